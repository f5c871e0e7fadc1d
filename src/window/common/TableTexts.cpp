#include "window/common/TableTexts.h"

#include "table/NumberText.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <vector>

namespace {

// The shapes of the rules' sentences and the words they are built of. Listed
// here, not in the rules, because the rules know nothing of Qt.
constexpr const char* kShapes[] = {
    // Refusals and the forecast of an announced press
    QT_TRANSLATE_NOOP("TableTexts", "Bets must be in multiples of %1"),
    QT_TRANSLATE_NOOP("TableTexts", "Maximum bet allowed is %1"),
    QT_TRANSLATE_NOOP("TableTexts", "Minimum bet allowed is %1"),
    QT_TRANSLATE_NOOP("TableTexts", "%1 of %2, %3 either side"),
    QT_TRANSLATE_NOOP("TableTexts", "%1 of %2: %3"),
    QT_TRANSLATE_NOOP("TableTexts", "%1 of %2"),
    QT_TRANSLATE_NOOP("TableTexts", "places nothing: %1"),
    QT_TRANSLATE_NOOP("TableTexts", "\"%1\" is out of range"),
    QT_TRANSLATE_NOOP("TableTexts", "an either-side count of %1 is more than this bet takes (%2)"),
    QT_TRANSLATE_NOOP("TableTexts", "an either-side count of %1 covers no pocket"),
    QT_TRANSLATE_NOOP("TableTexts", "%1 has no last digit from 0 to 9"),
    QT_TRANSLATE_NOOP("TableTexts", "%1 is not a number on the wheel"),
    QT_TRANSLATE_NOOP("TableTexts", "1 chip"),
    QT_TRANSLATE_NOOP("TableTexts", "%1 chips"),
    QT_TRANSLATE_NOOP("TableTexts", "No chip is placed before it."),
    QT_TRANSLATE_NOOP("TableTexts", "1 chip is placed before it."),
    QT_TRANSLATE_NOOP("TableTexts", "%1 chips are placed before it."),
    QT_TRANSLATE_NOOP("TableTexts", "Stops at chip %1, %2: the money would go out of range."),
    QT_TRANSLATE_NOOP("TableTexts", "The %1 table refuses chip %2, %3: \"%4\""),
    // The spots
    QT_TRANSLATE_NOOP("TableTexts", "straight %1"),
    QT_TRANSLATE_NOOP("TableTexts", "split %1"),
    QT_TRANSLATE_NOOP("TableTexts", "trio %1"),
    QT_TRANSLATE_NOOP("TableTexts", "street %1"),
    QT_TRANSLATE_NOOP("TableTexts", "first four %1"),
    QT_TRANSLATE_NOOP("TableTexts", "corner %1"),
    QT_TRANSLATE_NOOP("TableTexts", "six-line %1"),
    QT_TRANSLATE_NOOP("TableTexts", "1st column (1, 4, ..., 34)"),
    QT_TRANSLATE_NOOP("TableTexts", "2nd column (2, 5, ..., 35)"),
    QT_TRANSLATE_NOOP("TableTexts", "3rd column (3, 6, ..., 36)"),
    QT_TRANSLATE_NOOP("TableTexts", "1st dozen (1 to 12)"),
    QT_TRANSLATE_NOOP("TableTexts", "2nd dozen (13 to 24)"),
    QT_TRANSLATE_NOOP("TableTexts", "3rd dozen (25 to 36)"),
    QT_TRANSLATE_NOOP("TableTexts", "low (1 to 18)"),
    QT_TRANSLATE_NOOP("TableTexts", "high (19 to 36)"),
    QT_TRANSLATE_NOOP("TableTexts", "even"),
    QT_TRANSLATE_NOOP("TableTexts", "odd"),
    QT_TRANSLATE_NOOP("TableTexts", "red"),
    QT_TRANSLATE_NOOP("TableTexts", "black"),
    // The announced bets as the forecast and the drills name them
    QT_TRANSLATE_NOOP("TableTexts", "Tier"),
    QT_TRANSLATE_NOOP("TableTexts", "Orphans"),
    QT_TRANSLATE_NOOP("TableTexts", "Grande"),
    QT_TRANSLATE_NOOP("TableTexts", "Zero"),
    QT_TRANSLATE_NOOP("TableTexts", "Neighbours"),
    QT_TRANSLATE_NOOP("TableTexts", "Finals"),
    QT_TRANSLATE_NOOP("TableTexts", "Figure"),
    QT_TRANSLATE_NOOP("TableTexts", "Birds"),
    QT_TRANSLATE_NOOP("TableTexts", "Cousins"),
    QT_TRANSLATE_NOOP("TableTexts", "Reds"),
    QT_TRANSLATE_NOOP("TableTexts", "Blacks"),
    QT_TRANSLATE_NOOP("TableTexts", "1st Quarter"),
    QT_TRANSLATE_NOOP("TableTexts", "2nd Quarter"),
    QT_TRANSLATE_NOOP("TableTexts", "3rd Quarter"),
    QT_TRANSLATE_NOOP("TableTexts", "4th Quarter"),
    QT_TRANSLATE_NOOP("TableTexts", "Opposite"),
    QT_TRANSLATE_NOOP("TableTexts", "Qtr +"),
    QT_TRANSLATE_NOOP("TableTexts", "Qtr -"),
    // The drills' tasks and verdicts
    QT_TRANSLATE_NOOP("TableTexts", "Right"),
    QT_TRANSLATE_NOOP("TableTexts", "Right: %1"),
    QT_TRANSLATE_NOOP("TableTexts", "missing %1; extra %2"),
    QT_TRANSLATE_NOOP("TableTexts", "missing %1"),
    QT_TRANSLATE_NOOP("TableTexts", "extra %1"),
    QT_TRANSLATE_NOOP("TableTexts",
                      "Wrong: this bet is to be built by hand, chip by chip, not with its button"),
    QT_TRANSLATE_NOOP("TableTexts", "Wrong: you chose %1; the bet on the layout is %2"),
    QT_TRANSLATE_NOOP("TableTexts", "Type the sum in whole dollars, for example 175"),
    QT_TRANSLATE_NOOP("TableTexts", "Wrong: not %1 but %2"),
    QT_TRANSLATE_NOOP("TableTexts", "%1 a piece"),
    QT_TRANSLATE_NOOP("TableTexts", "%1 wins"),
    QT_TRANSLATE_NOOP("TableTexts", "%1: %2 x %3 = %4"),
    // The tips of the layout and the selectors
    QT_TRANSLATE_NOOP("TableTexts", "%1, pays %2 to 1, %3 to %4 at this table"),
    QT_TRANSLATE_NOOP("TableTexts", "%1 table: stakes in multiples of %2"),
    QT_TRANSLATE_NOOP("TableTexts",
                      "Inside bets from %1, at most %2 on a straight, %3 on a split,"),
    QT_TRANSLATE_NOOP("TableTexts", "%1 on a street or trio, %2 on a corner, %3 on a six-line"),
    QT_TRANSLATE_NOOP("TableTexts", "Outside bets from %1, at most %2 on a column or dozen,"),
    QT_TRANSLATE_NOOP("TableTexts", "%1 on an even chance"),
    QT_TRANSLATE_NOOP("TableTexts", "Straight %1"),
    QT_TRANSLATE_NOOP("TableTexts", "Split %1"),
    QT_TRANSLATE_NOOP("TableTexts", "Trio %1"),
    QT_TRANSLATE_NOOP("TableTexts", "Street %1"),
    QT_TRANSLATE_NOOP("TableTexts", "First four %1"),
    QT_TRANSLATE_NOOP("TableTexts", "Corner %1"),
    QT_TRANSLATE_NOOP("TableTexts", "Six-line %1"),
    QT_TRANSLATE_NOOP("TableTexts", "Low (1 to 18)"),
    QT_TRANSLATE_NOOP("TableTexts", "High (19 to 36)"),
    QT_TRANSLATE_NOOP("TableTexts", "Even"),
    QT_TRANSLATE_NOOP("TableTexts", "Odd"),
    QT_TRANSLATE_NOOP("TableTexts", "Red"),
    QT_TRANSLATE_NOOP("TableTexts", "Black"),
    // Autoplay, the statistics and the progressions
    QT_TRANSLATE_NOOP("TableTexts", "Autoplay: spin %1 of %2, %3 x%4"),
    QT_TRANSLATE_NOOP("TableTexts", "1st dozen"),
    QT_TRANSLATE_NOOP("TableTexts", "2nd dozen"),
    QT_TRANSLATE_NOOP("TableTexts", "3rd dozen"),
    QT_TRANSLATE_NOOP("TableTexts", "Column %1"),
    QT_TRANSLATE_NOOP("TableTexts", "Low 1-18"),
    QT_TRANSLATE_NOOP("TableTexts", "High 19-36"),
    QT_TRANSLATE_NOOP("TableTexts", "Flat"),
    QT_TRANSLATE_NOOP("TableTexts", "Martingale"),
    QT_TRANSLATE_NOOP("TableTexts", "d'Alembert"),
    QT_TRANSLATE_NOOP("TableTexts", "Fibonacci"),
    QT_TRANSLATE_NOOP("TableTexts", "Paroli"),
};

// What the croupier says: the result, "No more bets" and Hear it's calls,
// whose parts are the table's words above.
constexpr const char* kCalls[] = {
    QT_TRANSLATE_NOOP("CroupierCall", "No more bets"),
    QT_TRANSLATE_NOOP("CroupierCall", "%1, red, odd, low"),
    QT_TRANSLATE_NOOP("CroupierCall", "%1, red, odd, high"),
    QT_TRANSLATE_NOOP("CroupierCall", "%1, red, even, low"),
    QT_TRANSLATE_NOOP("CroupierCall", "%1, red, even, high"),
    QT_TRANSLATE_NOOP("CroupierCall", "%1, black, odd, low"),
    QT_TRANSLATE_NOOP("CroupierCall", "%1, black, odd, high"),
    QT_TRANSLATE_NOOP("CroupierCall", "%1, black, even, low"),
    QT_TRANSLATE_NOOP("CroupierCall", "%1, black, even, high"),
    QT_TRANSLATE_NOOP("CroupierCall", "%1, and %2"),
    QT_TRANSLATE_NOOP("CroupierCall", "%1 by %2"),
    QT_TRANSLATE_NOOP("CroupierCall", "%1 and the neighbours"),
    QT_TRANSLATE_NOOP("CroupierCall", "%1 and 1 neighbour"),
    QT_TRANSLATE_NOOP("CroupierCall", "%1 and %2 neighbours"),
    QT_TRANSLATE_NOOP("CroupierCall", "Finale %1"),
    QT_TRANSLATE_NOOP("CroupierCall", "Zero"),
    QT_TRANSLATE_NOOP("CroupierCall", "One"),
    QT_TRANSLATE_NOOP("CroupierCall", "Two"),
    QT_TRANSLATE_NOOP("CroupierCall", "Three"),
    QT_TRANSLATE_NOOP("CroupierCall", "Four"),
    QT_TRANSLATE_NOOP("CroupierCall", "Five"),
    QT_TRANSLATE_NOOP("CroupierCall", "Six"),
    QT_TRANSLATE_NOOP("CroupierCall", "Seven"),
    QT_TRANSLATE_NOOP("CroupierCall", "Eight"),
    QT_TRANSLATE_NOOP("CroupierCall", "Nine"),
    QT_TRANSLATE_NOOP("CroupierCall", "Ten"),
    QT_TRANSLATE_NOOP("CroupierCall", "Eleven"),
    QT_TRANSLATE_NOOP("CroupierCall", "Twelve"),
    QT_TRANSLATE_NOOP("CroupierCall", "Thirteen"),
    QT_TRANSLATE_NOOP("CroupierCall", "Fourteen"),
    QT_TRANSLATE_NOOP("CroupierCall", "Fifteen"),
    QT_TRANSLATE_NOOP("CroupierCall", "Sixteen"),
    QT_TRANSLATE_NOOP("CroupierCall", "Seventeen"),
    QT_TRANSLATE_NOOP("CroupierCall", "Eighteen"),
    QT_TRANSLATE_NOOP("CroupierCall", "Nineteen"),
    QT_TRANSLATE_NOOP("CroupierCall", "Twenty"),
    QT_TRANSLATE_NOOP("CroupierCall", "Twenty-one"),
    QT_TRANSLATE_NOOP("CroupierCall", "Twenty-two"),
    QT_TRANSLATE_NOOP("CroupierCall", "Twenty-three"),
    QT_TRANSLATE_NOOP("CroupierCall", "Twenty-four"),
    QT_TRANSLATE_NOOP("CroupierCall", "Twenty-five"),
    QT_TRANSLATE_NOOP("CroupierCall", "Twenty-six"),
    QT_TRANSLATE_NOOP("CroupierCall", "Twenty-seven"),
    QT_TRANSLATE_NOOP("CroupierCall", "Twenty-eight"),
    QT_TRANSLATE_NOOP("CroupierCall", "Twenty-nine"),
    QT_TRANSLATE_NOOP("CroupierCall", "Thirty"),
    QT_TRANSLATE_NOOP("CroupierCall", "Thirty-one"),
    QT_TRANSLATE_NOOP("CroupierCall", "Thirty-two"),
    QT_TRANSLATE_NOOP("CroupierCall", "Thirty-three"),
    QT_TRANSLATE_NOOP("CroupierCall", "Thirty-four"),
    QT_TRANSLATE_NOOP("CroupierCall", "Thirty-five"),
    QT_TRANSLATE_NOOP("CroupierCall", "Thirty-six"),
};

struct Shape {
    const char* context;
    const char* source;
    QRegularExpression pattern;
    qsizetype literal; // characters that are not placeholders: the more, the more specific
};

using Shapes = std::vector<Shape>;

void AddShapes(Shapes& list, const char* context, const auto& sources) {
    static const QRegularExpression placeholder(QStringLiteral("\\\\%\\d"));
    for (const char* source : sources) {
        QString pattern = QRegularExpression::escape(QString::fromUtf8(source));
        const qsizetype places = pattern.count(placeholder);
        pattern.replace(placeholder, QStringLiteral("(.+?)"));
        list.push_back({context, source,
                        QRegularExpression(QRegularExpression::anchoredPattern(pattern)),
                        qsizetype(qstrlen(source)) - 2 * places});
    }
    // The most specific first, so "%1 of %2: %3" gets a forecast's cost line before "%1 of %2".
    std::stable_sort(list.begin(), list.end(),
                     [](const Shape& a, const Shape& b) { return a.literal > b.literal; });
}

const Shapes& TextShapes() {
    static const Shapes shapes = [] {
        Shapes list;
        AddShapes(list, "TableTexts", kShapes);
        return list;
    }();
    return shapes;
}

const Shapes& CallShapes() {
    static const Shapes shapes = [] {
        Shapes list;
        AddShapes(list, "CroupierCall", kCalls); // first: its "Zero" is the number's
        AddShapes(list, "TableTexts", kShapes);
        return list;
    }();
    return shapes;
}

// %1..%9 replaced in one pass, so a part that holds a "%2" stays as it is.
QString Fill(const QString& format, const QStringList& parts) {
    QString text;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const int n = i + 1 < format.size() ? format.at(i + 1).digitValue() : -1;
        if (format.at(i) == u'%' && n >= 1 && n <= parts.size()) {
            text += parts.at(n - 1);
            ++i;
        } else {
            text += format.at(i);
        }
    }
    return text;
}

QString TranslateLine(const Shapes& shapes, const QString& line);

// "split 5/8, corner 1/2/4/5": each item on its own; commas in brackets stay.
QString TranslateList(const Shapes& shapes, const QString& line) {
    QStringList items;
    int depth = 0;
    qsizetype start = 0;
    for (qsizetype i = 0; i + 1 < line.size(); ++i) {
        depth += line.at(i) == u'(' ? 1 : line.at(i) == u')' ? -1 : 0;
        if (depth == 0 && line.at(i) == u',' && line.at(i + 1) == u' ') {
            items.append(TranslateLine(shapes, line.mid(start, i - start)));
            start = i + 2;
        }
    }
    if (items.isEmpty()) {
        return line;
    }
    items.append(TranslateLine(shapes, line.mid(start)));
    return items.join(QStringLiteral(", "));
}

QString TranslateLine(const Shapes& shapes, const QString& line) {
    for (const Shape& shape : shapes) {
        const QRegularExpressionMatch match = shape.pattern.match(line);
        if (match.hasMatch()) {
            QStringList parts;
            for (int i = 1; i <= match.lastCapturedIndex(); ++i) {
                parts.append(TranslateLine(shapes, match.captured(i)));
            }
            return Fill(QCoreApplication::translate(shape.context, shape.source), parts);
        }
    }
    if (line.endsWith(u',')) { // a chip list carried on to the next line
        return TranslateLine(shapes, line.chopped(1)) + u',';
    }
    return TranslateList(shapes, line);
}

} // namespace

QString RefusalMessage(const Refusal& refusal) {
    return TableText(RefusalText(refusal));
}

QString TableText(const QString& english) {
    QStringList lines = english.split(u'\n');
    for (QString& line : lines) {
        line = TranslateLine(TextShapes(), line);
    }
    return lines.join(u'\n');
}

QString TableText(const std::string& english) {
    return TableText(QString::fromStdString(english));
}

QString SpokenText(const std::string& english) {
    return TranslateLine(CallShapes(), QString::fromStdString(english));
}
