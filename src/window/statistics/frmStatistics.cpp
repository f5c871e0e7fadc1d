#include "window/statistics/frmStatistics.h"

#include "table/Catalogue.h"
#include "table/SessionStatistics.h"
#include "window/common/Charts.h"
#include "window/common/TableTexts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

QString Percent(double share) {
    return QString::number(share * 100.0, 'f', 1) + QLatin1Char('%');
}

QString Row(const QStringList& cells) {
    QString row = QStringLiteral("<tr>");
    for (const QString& cell : cells) {
        row += QStringLiteral("<td align=right>%1</td>").arg(cell);
    }
    return row + QStringLiteral("</tr>");
}

QString NumberList(const std::vector<std::int16_t>& numbers, const SessionStatistics& statistics) {
    QStringList items;
    for (const std::int16_t n : numbers) {
        items << QStringLiteral("%1 (%2)").arg(n).arg(statistics.Count(n));
    }
    return items.join(QStringLiteral(", "));
}

QString SummaryText(const SessionStatistics& s) {
    QString text = QStringLiteral("<b>%1</b><table cellspacing=0 cellpadding=2>")
                       .arg(frmStatistics::tr("Spins played: %1").arg(s.Spins()));
    text += Row({frmStatistics::tr("Total staked"), QString::number(s.Staked())});
    text += Row({frmStatistics::tr("Total won"), QString::number(s.Won())});
    text += Row({frmStatistics::tr("Stakes lost"), QString::number(s.Lost())});
    text += Row({QStringLiteral("<b>%1</b>").arg(frmStatistics::tr("Net")),
                 QStringLiteral("<b>%1</b>").arg(s.Net())});
    text += QStringLiteral("</table><p>%1<br>%2</p>")
                .arg(frmStatistics::tr("Hottest: %1").arg(NumberList(s.Hottest(), s)),
                     frmStatistics::tr("Coldest: %1").arg(NumberList(s.Coldest(), s)));
    return text;
}

QString GroupsText(const SessionStatistics& s) {
    QString text = QStringLiteral("<table cellspacing=0 cellpadding=2>") +
                   Row({QString(), frmStatistics::tr("Count"), frmStatistics::tr("Share"),
                        frmStatistics::tr("Expected")});
    for (const GroupShare& group : s.Groups()) {
        text += Row({TableText(group.name), QString::number(group.count), Percent(group.share),
                     Percent(group.expected)});
    }
    return text + QStringLiteral("</table>");
}

QString NumberCell(std::int16_t n, const SessionStatistics& s, const QString& extra = {}) {
    const char* colour = n == 0 ? "#007a00" : IsRed(n) ? "#c00000" : "#202020";
    return QStringLiteral("<td align=center bgcolor=%1 %2><font color=white>%3<br><b>%4</b>"
                          "</font></td>")
        .arg(QLatin1String(colour), extra)
        .arg(n)
        .arg(s.Count(n));
}

// The counts laid out as the numbers lie on a table: zero at the left, then
// three rows of twelve with 3, 6 ... 36 on top.
QString NumbersText(const SessionStatistics& s) {
    QString text = QStringLiteral("<p><b>%1</b></p><table cellspacing=1 cellpadding=3>")
                       .arg(frmStatistics::tr("Each number"));
    for (int row = 0; row < 3; ++row) {
        text += QStringLiteral("<tr>");
        if (row == 0) {
            text += NumberCell(0, s, QStringLiteral("rowspan=3"));
        }
        for (int column = 0; column < 12; ++column) {
            text += NumberCell(static_cast<std::int16_t>(3 * column + 3 - row), s);
        }
        text += QStringLiteral("</tr>");
    }
    return text + QStringLiteral("</table>");
}

QLabel* TextLabel(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::RichText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

frmStatistics::frmStatistics(QWidget* owner) : QWidget(owner, Qt::Window) {
    setObjectName(QStringLiteral("frmStatistics"));
    setWindowTitle(tr("Velmora Statistics"));
    setAttribute(Qt::WA_QuitOnClose, false);
    m_lblSummary = TextLabel(this, "lblSummary");
    m_lblGroups = TextLabel(this, "lblGroups");
    m_lblNumbers = TextLabel(this, "lblNumbers");
    auto* top = new QHBoxLayout;
    top->addWidget(m_lblSummary, 1);
    top->addWidget(m_lblGroups);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_lblNumbers);
    layout->addWidget(CreateChart(), 1);
    resize(540, 720);
}

QWidget* frmStatistics::CreateChart() {
    m_chart =
        Charts().CreateLineChart({tr("Balance after every spin"), tr("Spin"), QString()}, this);
    m_chart->setObjectName(QStringLiteral("chtBalance"));
    m_chart->setMinimumHeight(260);
    return m_chart;
}

void frmStatistics::ShowSession(const SessionStatistics& statistics) {
    m_lblSummary->setText(SummaryText(statistics));
    m_lblGroups->setText(GroupsText(statistics));
    m_lblNumbers->setText(NumbersText(statistics));
    QList<QPointF> points;
    const std::vector<std::int32_t>& balances = statistics.Balances();
    for (std::size_t i = 0; i < balances.size(); ++i) {
        points.append(QPointF(static_cast<qreal>(i + 1), balances[i]));
    }
    // Zero stays in view, so the chart shows which side of it the session is on.
    Charts().SetLines(m_chart, {{tr("Balance"), points}}, true);
}
