// About and Instructions: their texts, and a guide that states the rules the
// program plays by.
#include "ui_fixture.h"

#include "shell/main_menu.h"

#include <QLabel>
#include <QTextBrowser>

namespace quarn::ui::testing {
namespace {

using InfoWindowsTest = UiTest;

TEST_F(InfoWindowsTest, AboutShowsTheVersionAndDescription) {
    menu_about(*q);
    windows->render_all();
    EXPECT_TRUE(windows->about.isVisible());
    EXPECT_EQ(windows->about.windowTitle(), QStringLiteral("About Quarn"));
    EXPECT_EQ(windows->about.findChild<QLabel*>(QStringLiteral("lblVersion"))->text(), QStringLiteral("Version 1.1"));
    EXPECT_EQ(windows->about.findChild<QLabel*>(QStringLiteral("lblDescription"))->text(),
              QStringLiteral("Quarn is a collection of word games for people aged 10 years and older"));
}

TEST_F(InfoWindowsTest, TheGuideCoversEveryGameAndItsRules) {
    menu_instructions(*q);
    windows->render_all();
    QTextBrowser* guide = windows->help.guide();
    EXPECT_TRUE(guide->isReadOnly());
    const QString text = guide->toPlainText();
    // In the order the players need them: the games, set-up, then each game's rules.
    QStringList in_order{"Anagrams",   "Enter length of Game", "1000 points", "2 minutes", "3 minutes",
                         "Enter Player Names", "Exit", "round 4", "game clock has run out",
                         "Don't Cheat", "two minutes", "50 points", "for each of its letters", "Change Letter"};
    qsizetype from = 0;
    for (const QString& phrase : in_order) {
        qsizetype at = text.indexOf(phrase, from);
        EXPECT_GE(at, 0) << phrase.toStdString();
        if (at >= 0) from = at;
    }
    for (const char* game : {"Crossword", "Mix 'N Match", "Pick 'N Mix"})
        EXPECT_TRUE(text.contains(QString::fromLatin1(game))) << game;
}

} // namespace
} // namespace quarn::ui::testing
