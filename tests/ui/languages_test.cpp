// The windows in every language the program has a catalogue of: the desktop's
// language chooses it, English stays exactly English, and every text fits
// its control.
#include "board_cursor.h"
#include "look.h"
#include "platform/letters.h"
#include "qt_event_pump.h"
#include "translation.h"
#include "windows.h"
#include "world.h"

#include <QAbstractButton>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QtMath>

#include <gtest/gtest.h>

namespace quarn::ui::testing {
namespace {

// The languages built into the program, by their catalogues.
QStringList catalogue_languages() {
    QStringList languages;
    for (const QString& file : QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("quarn_*.qm")}))
        languages << file.mid(6, file.size() - 9);
    return languages;
}

// Where a label draws its text: a framed one keeps half an "x" from the
// sides its text is aligned to (no label here sets an indent of its own).
QRect room_for_text(const QLabel& label) {
    const int m = label.frameWidth() > 0 ? label.fontMetrics().horizontalAdvance(u'x') / 2 : 0;
    const Qt::Alignment align = label.alignment();
    QRect room = label.contentsRect().adjusted(align & Qt::AlignLeft ? m : 0, align & Qt::AlignTop ? m : 0,
                                               align & Qt::AlignRight ? -m : 0, align & Qt::AlignBottom ? -m : 0);
    if (const auto* cell = qobject_cast<const CellLabel*>(&label)) room.setWidth(qCeil(room.width() / cell->squeeze()));
    return room;
}

// The windows of one program, in one language, showing captions as long as
// a game makes them.
struct InLanguage {
    explicit InLanguage(const QString& language) {
        // The windows are built in the language, as the program builds them.
        use_language(QLocale(language.isEmpty() ? QStringLiteral("C") : language));
        q = std::make_unique<Quarn>(Services{pump, random, dates, folder.path});
        windows = std::make_unique<Windows>(*q, pump);
        GameScreenModel& screen = q->form_game_screen;
        screen.turn_caption = say("%1's turn", "Ann");
        screen.round_caption = say("Round %1", " 10");
        screen.counter = say("Time Up !");
        screen.change_letter_visible = true;
        // The widest letters the game's own family lacks, one a cell.
        const std::vector<std::string> wide = split_letters("\u0416\u0429\u0448\u0444\u043c\u03a9\u03c8");
        for (std::size_t i = 0; i < wide.size(); ++i) screen.cells[i].text = wide[i];
        q->form_new_hiscore.name_caption = say("Well Done %1", "Ann");
        q->form_winner.name_caption = Text::as_is("Ann");
        for (WindowModel* model : std::initializer_list<WindowModel*>{
                 &q->form_options, &q->form_enter_names, &q->form_enter_game_length, &screen, &q->form_show_score,
                 &q->form_checking_words, &q->form_new_hiscore, &q->form_winner, &q->frmAbout, &q->form_help})
            model->show();
        windows->render_all();
    }
    ~InLanguage() {
        windows.reset(), q.reset();
        use_desktop_language(); // the suite's own language again
    }

    // Every caption, button and frame title that runs past its box: wider
    // than the box, or wrapped into more lines than it holds.
    std::vector<std::string> overflowing() const {
        std::vector<std::string> found;
        const Windows& w = *windows;
        for (const QWidget* top : std::initializer_list<const QWidget*>{&w.main_menu, &w.enter_names, &w.game_length,
                                                                        &w.game_screen, &w.show_score, &w.checking_words,
                                                                        &w.new_hiscore, &w.winner, &w.about, &w.help})
            for (const QWidget* control : top->findChildren<const QWidget*>()) {
                const auto* label = qobject_cast<const QLabel*>(control);
                const auto* button = qobject_cast<const QAbstractButton*>(control);
                const auto* frame = qobject_cast<const QGroupBox*>(control);
                const QString text = label ? label->text() : button ? button->text() : frame ? frame->title() : QString();
                if (text.isEmpty() || !control->isVisibleTo(top)) continue;
                const bool fits = label ? text_fits(label->fontMetrics(), room_for_text(*label),
                                                    int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0), text)
                                  : button ? text_fits(button->fontMetrics(), button->rect().adjusted(4, 4, -4, -4),
                                                       Qt::AlignCenter | Qt::TextWordWrap, text)
                                           : frame->fontMetrics().horizontalAdvance(text) <= frame->width() - 16;
                if (!fits) found.push_back(top->objectName().toStdString() + "/" + control->objectName().toStdString() +
                                           " \"" + text.toStdString() + "\"");
            }
        return found;
    }

    test::TempFolder folder;
    QtEventPump pump;
    ClockSeededRandom random{[] { return std::uint64_t{42}; }};
    test::FixedDate dates;
    std::unique_ptr<Quarn> q;
    std::unique_ptr<Windows> windows;
};

// A regional variant takes its language's catalogue; a language without one,
// and no language at all, leave the windows in English. The suites run once
// in English and once on a German desktop.
TEST(Languages, TheDesktopsLanguageChoosesTheCatalogue) {
    const std::pair<const char*, const char*> desktops[] = {
        {"de_DE", "de"}, {"de_AT", "de"}, {"de_CH", "de"}, {"pt_PT", "pt"}, {"pt_BR", "pt"}, {"uk_UA", "uk"},
        {"sv_FI", "sv"}, {"en_GB", ""},   {"ja_JP", ""},   {"C", ""}};
    for (auto [desktop, catalogue] : desktops)
        EXPECT_EQ(catalogue_for(QLocale(QString::fromLatin1(desktop))).left(2).toStdString(), catalogue) << desktop;
    const QString expected = qEnvironmentVariable("QUARN_EXPECTED_LANGUAGE");
    EXPECT_EQ(translated_windows(), !expected.isEmpty());
    EXPECT_EQ(shown(say("GAME OVER")) == QStringLiteral("GAME OVER"), expected.isEmpty());
}

// In English every text is the one the program has always shown, byte for
// byte, whatever the translation machinery does.
TEST(Languages, EnglishIsExactlyTheProgramsOwnWords) {
    if (translated_windows()) GTEST_SKIP() << "the English run checks this";
    const InLanguage english{QString()};
    const Windows& w = *english.windows;
    auto caption = [](const QWidget& window, const char* name) {
        return window.findChild<QLabel*>(QString::fromLatin1(name))->text().toStdString();
    };
    EXPECT_EQ(shown(say("Are you ready %1", "Ann")).toStdString() + "|" + caption(w.game_screen, "Label11") + "|" +
                  caption(w.game_screen, "Lbl_round") + "|" + caption(w.game_screen, "label_score") + "|" +
                  w.game_screen.check_button()->text().toStdString() + "|" + caption(w.new_hiscore, "Lbl_name"),
              "Are you ready Ann|Ann's turn|Round  10|Time Up !|Finished ! Check  Word(s)|Well Done Ann");
}

TEST(Languages, EveryTextFitsItsControlInEveryLanguage) {
    const QStringList languages = catalogue_languages();
    EXPECT_EQ(languages.size(), 11);
    for (const QString& language : QStringList{QString()} + languages) {
        const InLanguage windows(language);
        for (const std::string& control : windows.overflowing())
            ADD_FAILURE() << (language.isEmpty() ? "English" : language.toStdString()) << ": " << control;
    }
}

} // namespace
} // namespace quarn::ui::testing
