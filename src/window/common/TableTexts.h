#pragma once

#include "betting/UpdateChip.h"

#include <QString>

#include <string>

// The rules' texts in the table's language. The rules compose their texts in
// English; each known sentence shape is a key (its variable parts as %1, %2,
// ...) that a translator may reorder freely, and the parts are translated in
// turn. In English every text comes back exactly as the rules wrote it.

// A refused stake's message, in English RefusalText's: "Minimum bet allowed is  5".
QString RefusalMessage(const Refusal& refusal);

// Any text of the rules, line by line: a forecast, a verdict, a task, a tip.
QString TableText(const std::string& english);
QString TableText(const QString& english);

// What the croupier says, in the table's language: "Seventeen, black, odd,
// low" is "Dix-sept, noir, impair et manque" in French.
QString SpokenText(const std::string& english);
