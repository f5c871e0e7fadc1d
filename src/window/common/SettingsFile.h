#pragma once

#include <QSettings>
#include <QString>

// The settings Velmora reads back (window places and zoom in windows.ini).
// QSettings reads such a file whole and believes it, so before the first
// read of the run it is looked at: one too large to be Velmora's, one that
// is not a plain file, or one QSettings cannot parse is moved aside (never
// deleted), and the defaults apply.
namespace SettingsFile {

// $XDG_CONFIG_HOME/velmora/windows.ini
QString Path();

// Looks at the file the first time it is called in this process, later
// calls do nothing; the sentence for the player when it was moved aside.
void CheckOnce();

// The sentence from the check, once; empty when there is none (left).
QString TakeNotice();

// For tests: look again at the next CheckOnce.
void ForgetCheck();

} // namespace SettingsFile

// The settings file, looked at before its first read of the run.
class StoredSettings final : public QSettings {
  public:
    StoredSettings();
};
