// The main menu window, form_options.
#include "main_menu_window.h"

#include "look.h"
#include "shell/main_menu.h"

#include <QLabel>
#include <QPixmap>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeySequence>
#include <QLayout>
#include <QActionGroup>
#include <QMenuBar>

namespace quarn::ui {

MainMenuWindow::MainMenuWindow(Quarn& q, Dispatch& dispatch) : ModelWindow(q, dispatch) {
    setObjectName(QStringLiteral("form_options"));
    const QString game_tooltip = tr("Pick a game to play.  The currently selected game will be highlighted in yellow");
    setWindowTitle(QStringLiteral("Quarn"));

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("form_options_client"));
    client->setFixedSize(twips_size(7605, 5595));
    set_background(client, qcolor(colours::red));
    setCentralWidget(client);

    // The outline first, so that the letters bouncing inside it are drawn over it.
    auto* outline = new QFrame(client);
    outline->setObjectName(QStringLiteral("Shape1"));
    outline->setGeometry(twips_rect(120, 120, 6135, 2655));
    outline->setFrameStyle(QFrame::Box | QFrame::Plain);
    outline->setAccessibleName(tr("title box"));

    static const char* const name = "Quarn";
    for (int i = 0; i < title_letters; ++i) {
        auto index = static_cast<std::size_t>(i);
        letters_[index] = add_label(client, QStringLiteral("Label2_%1").arg(i), QString(QChar::fromLatin1(name[i])),
                                    twips_rect(title_resting_left[index], title_resting_top, 495, 615),
                                    {.font = comic(20.25), .centred = i != 0, .framed = true,
                                     .background = qcolor(colours::button_face), .wrap = false});
    }

    auto* picture = new QLabel(client);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setGeometry(twips_rect(6480, 120, 975, 1335));
    picture->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    picture->setAlignment(Qt::AlignCenter);
    picture->setPixmap(bundled_picture(QStringLiteral("menu_picture.png")));
    picture->setAccessibleName(tr("a picture of letter tiles spelling Word"));

    auto* games = new QGroupBox(tr("Pick game to play"), client);
    games->setObjectName(QStringLiteral("Frame2"));
    games->setGeometry(twips_rect(2760, 2880, 4695, 2415));
    games->setFont(comic(21.75));
    set_background(games, qcolor(colours::blue));
    set_text_colour(games, QColor(255, 192, 192));
    games->setAccessibleName(games->title());

    // Two buttons a row, in the order of the games; each is captioned with
    // its game's heading.
    for (std::size_t i = 0; i < game_buttons_.size(); ++i) {
        const int left = i % 2 == 0 ? 120 : 2280;
        const int top = 720 + 840 * static_cast<int>(i / 2);
        const std::string_view caption = q.games[i]->settings().heading;
        WrapButton* button = add_button(games, QStringLiteral("button_game_type_%1").arg(i),
                                        QString::fromUtf8(caption.data(), static_cast<int>(caption.size())),
                                        twips_rect(left, top, 2055, 615), {.font = comic(14.25), .tooltip = game_tooltip});
        game_buttons_[i] = button;
        const int index = static_cast<int>(i);
        connect(button, &QPushButton::clicked, this,
                [this, index] { dispatch_([index](Quarn& q) { select_game(q, index); }); });
    }

    auto* length = add_button(client, QStringLiteral("button_enter_game_length"),
                              tr("Enter length of Game"), twips_rect(120, 2880, 2535, 735),
                              {.font = comic(12), .face = qcolor(colours::green),
                               .tooltip = tr("Click here to enter the duration of the game")});
    setup_buttons_[0] = length;
    connect(length, &QPushButton::clicked, this, [this] { dispatch_(open_game_length); });

    auto* names = add_button(client, QStringLiteral("button_enter_names"), tr("Enter Player Names"),
                             twips_rect(120, 3720, 2535, 735),
                             {.font = comic(12), .face = QColor(128, 128, 255),
                              .tooltip = tr("Click here to enter up to 4 players names")});
    setup_buttons_[1] = names;
    connect(names, &QPushButton::clicked, this, [this] { dispatch_(open_enter_names); });

    auto* play = add_button(client, QStringLiteral("button_play_game"), tr("Play Game"),
                            twips_rect(120, 4560, 2535, 765),
                            {.font = comic(24, true), .tooltip = tr("Click here to start playing the game")});
    setup_buttons_[2] = play;
    connect(play, &QPushButton::clicked, this, [this] { dispatch_(play_game); });

    build_menus();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void MainMenuWindow::build_menus() {
    // Alt and the underlined letter open each menu; screen readers still
    // hear "File" and "Help".
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("menu_file"));
    QAction* exit = file->addAction(tr("Exit"));
    exit->setObjectName(QStringLiteral("menu_exit"));
    exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(exit, &QAction::triggered, this, [this] { dispatch_(menu_exit); });

    // The word language: English, then every installed pack by its own name.
    // Only a player who has packs installed sees the menu.
    if (q_.languages.size() > 1) {
        languages_ = menuBar()->addMenu(tr("&Language"));
        languages_->setObjectName(QStringLiteral("menu_language"));
        auto* group = new QActionGroup(languages_);
        for (std::size_t i = 0; i < q_.languages.size(); ++i) {
            QAction* item = languages_->addAction(qs(q_.languages[i].name));
            item->setObjectName(QStringLiteral("menu_language_%1").arg(QString::fromStdString(q_.languages[i].code)));
            item->setCheckable(true);
            group->addAction(item);
            connect(item, &QAction::triggered, this, [this, i] { dispatch_([i](Quarn& q) { choose_language(q, i); }); });
        }
    }

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("menu_help"));
    QAction* instructions = help->addAction(tr("Instructions"));
    instructions->setObjectName(QStringLiteral("menu_instructions"));
    instructions->setShortcut(QKeySequence(Qt::Key_F1));
    connect(instructions, &QAction::triggered, this, [this] { dispatch_(menu_instructions); });
    QAction* about = help->addAction(tr("About"));
    about->setObjectName(QStringLiteral("menu_about"));
    connect(about, &QAction::triggered, this, [this] { dispatch_(menu_about); });
}

void MainMenuWindow::render() {
    const MainMenuModel& m = q_.form_options;
    for (std::size_t i = 0; i < game_buttons_.size(); ++i)
        if (game_colours_[i].changed(m.game_button_colours[i]))
            set_button_face(game_buttons_[i], qcolor(m.game_button_colours[i]));
    for (WrapButton* button : game_buttons_)
        if (button->isEnabled() != m.buttons_enabled) button->setEnabled(m.buttons_enabled);
    for (WrapButton* button : setup_buttons_)
        if (button->isEnabled() != m.buttons_enabled) button->setEnabled(m.buttons_enabled);
    if (languages_) {
        if (languages_->isEnabled() != m.buttons_enabled) languages_->setEnabled(m.buttons_enabled);
        QAction* chosen = languages_->actions().value(static_cast<int>(m.word_language));
        if (chosen && !chosen->isChecked()) chosen->setChecked(true);
    }
    // The buttons come back when a game is over, and a new one starts with
    // picking a game. (After a set-up window the keyboard is still on the
    // button that opened it.)
    if (buttons_enabled_.changed(m.buttons_enabled) && m.buttons_enabled)
        game_buttons_[0]->setFocus(Qt::OtherFocusReason);
    for (std::size_t i = 0; i < letters_.size(); ++i) {
        const QPoint place(px(m.letter_left[i]), px(m.letter_top[i]));
        if (letter_places_[i].changed(place)) letters_[i]->move(place);
    }
    mirror_.render(*this, m, [this] { centre_on_screen(*this); });
}

void MainMenuWindow::closeEvent(QCloseEvent* event) {
    event->ignore(); // the program decides what closing the menu means
    dispatch_(main_menu_closed);
}

} // namespace quarn::ui
