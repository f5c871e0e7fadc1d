// With a pseudo-translation that brackets every text it knows, every text a
// player can read in any window must be bracketed; a bare word is a text that
// never went through a translation. Numbers, money and the program's name
// need none.
#include "PlayerPresses.h"

#include "window/board/MainWindow.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QMenu>
#include <QRegularExpression>
#include <QTabBar>
#include <QTableWidget>
#include <QTextDocument>
#include <QTranslator>

#include <set>

namespace {

// What is left of a text outside every bracketed part, its markup taken off.
QString Unmarked(const QString& text) {
    QTextDocument rich;
    rich.setHtml(text);
    QString plain = Qt::mightBeRichText(text) ? rich.toPlainText() : text;
    QString left;
    int depth = 0;
    for (const QChar c : plain) {
        depth += c == u'[' ? 1 : 0;
        if (depth == 0) {
            left += c;
        }
        depth -= c == u']' && depth > 0 ? 1 : 0;
    }
    static const QRegularExpression exempt(QStringLiteral("Velmora|\\d+x\\$\\d+"));
    return left.remove(exempt);
}

bool HasWords(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
}

// Every text a control shows or tells on a pause of the pointer.
QStringList TextsOf(QWidget* w) {
    QStringList texts = {w->toolTip(), w->statusTip()};
    if (w->isWindow()) {
        texts << w->windowTitle();
    }
    if (auto* label = qobject_cast<QLabel*>(w)) {
        texts << label->text();
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        // OK, Cancel and the like are Qt's own, translated by Qt's own file.
        const auto* box = qobject_cast<QDialogButtonBox*>(w->parentWidget());
        if (!box || box->standardButton(button) == QDialogButtonBox::NoButton) {
            texts << button->text();
        }
    } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
        texts << group->title();
    } else if (auto* tabs = qobject_cast<QTabBar*>(w)) {
        for (int i = 0; i < tabs->count(); ++i) {
            texts << tabs->tabText(i);
        }
    } else if (auto* box = qobject_cast<QComboBox*>(w)) {
        // Past the first, the voices are the speech service's own names.
        const int own = w->objectName() == u"cmbVoice" ? 1 : box->count();
        for (int i = 0; i < own; ++i) {
            texts << box->itemText(i);
        }
    } else if (auto* table = qobject_cast<QTableWidget*>(w)) {
        for (int i = 0; i < table->columnCount(); ++i) {
            texts << table->horizontalHeaderItem(i)->text();
        }
    } else if (auto* menu = qobject_cast<QMenu*>(w)) {
        texts << menu->title();
    }
    for (const QAction* action : w->actions()) {
        texts << action->text() << action->toolTip() << action->statusTip();
    }
    return texts;
}

class PseudoTranslationTest : public ::testing::Test {
  protected:
    PseudoTranslationTest() {
        EXPECT_TRUE(m_pseudo.load(QStringLiteral(VELMORA_PSEUDO_QM)));
        QCoreApplication::installTranslator(&m_pseudo);
    }
    ~PseudoTranslationTest() override { QCoreApplication::removeTranslator(&m_pseudo); }

    // Every shown window and everything in it, each bare text once.
    void ExpectAllMarked(const char* where) {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (!window->isVisible()) {
                continue;
            }
            QList<QWidget*> widgets = window->findChildren<QWidget*>();
            widgets.prepend(window);
            for (QWidget* w : widgets) {
                for (const QString& text : TextsOf(w)) {
                    if (HasWords(Unmarked(text)) && m_seen.insert(text).second) {
                        ADD_FAILURE() << where << ", " << w->objectName().toStdString() << ": \""
                                      << text.toStdString() << "\"";
                    }
                }
            }
        }
    }

    // A dialog opened by an action, looked at from inside its own loop if it
    // is modal, and then closed.
    void LookIntoDialog(QAction* action, const char* where) {
        bool looked = false;
        QTimer::singleShot(0, &m_guard, [&] {
            looked = true;
            ExpectAllMarked(where);
            if (QWidget* dialog = QApplication::activeModalWidget()) {
                dialog->close();
            }
        });
        action->trigger();
        if (!looked) {
            QCoreApplication::processEvents();
        }
        EXPECT_TRUE(looked) << where;
    }

    QTranslator m_pseudo;
    QObject m_guard; // a look not taken dies with the test
    std::set<QString> m_seen;
};

TEST_F(PseudoTranslationTest, EveryTextOfEveryWindowGoesThroughTheTranslation) {
    MainWindow main;
    main.show();
    WaitForHelp(*main.board());
    frmBoard& table = *main.board();
    ExpectAllMarked("the main window");
    for (QMenu* menu : main.findChildren<QMenu*>()) {
        ASSERT_TRUE(menu->menuAction());
        EXPECT_FALSE(HasWords(Unmarked(menu->title()))) << menu->title().toStdString();
    }
    // The forecasts of the buttons, and a refusal among them.
    for (QPushButton* button : table.findChildren<QPushButton*>()) {
        Enter(button);
        ExpectAllMarked("a forecast");
        Leave(button);
    }
    BoxLog boxes;
    for (const char* drill : {"actDrillPlace", "actDrillName", "actDrillPay", "actDrillHear"}) {
        ActionOf(table, drill)->trigger();
        QTest::mouseClick(table.findChild<QWidget*>(QStringLiteral("cmdTier")), Qt::LeftButton);
        ExpectAllMarked(drill);
    }
    table.findChild<QWidget*>(QStringLiteral("frmPractice"))->close();
    Lay(table, {{69, 5}, {153, 5}});
    for (const char* window : {"actStatistics", "actRacetrack", "actStrategy"}) {
        ActionOf(table, window)->trigger();
        ExpectAllMarked(window);
    }
    LookIntoDialog(ActionOf(table, "actAutoplay"), "autoplay");
    LookIntoDialog(ActionOf(table, "actConfigure"), "settings");
    LookIntoDialog(ActionOf(table, "actManageLayouts"), "layouts");
    for (const SeenBox& box : boxes.boxes()) {
        EXPECT_FALSE(HasWords(Unmarked(box.text))) << box.text.toStdString();
    }
}

} // namespace
