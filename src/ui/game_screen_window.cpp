// The play window, form_game_screen.
#include "game_screen_window.h"

#include "board/letter_grid.h"
#include "look.h"
#include "shell/main_menu.h"
#include "translation.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QProgressBar>

#include <algorithm>

namespace quarn::ui {

namespace {
// What a screen reader hears of a cell, in the order a player wants it: the
// letter, where it lies, then what marks it.
QString cell_name(int index, const std::string& letter, bool white, bool picked, bool placed) {
    //: A cell of the board: %1 is its letter, or the word for an empty cell.
    QString name = QCoreApplication::translate("quarn", "%1, row %2 column %3")
                       .arg(letter.empty() ? QCoreApplication::translate("quarn", "empty") : qs(letter),
                            QString::number(index / grid_columns + 1), QString::number(index % grid_columns + 1));
    //: A cell that belongs to the word area of the grid games.
    if (white) name = QCoreApplication::translate("quarn", "%1, white").arg(name);
    //: A cell picked, waiting for the second cell of a swap.
    if (picked) name = QCoreApplication::translate("quarn", "%1, picked").arg(name);
    //: A cell whose letter is placed for good: the game refused to pick it.
    if (placed) name = QCoreApplication::translate("quarn", "%1, placed").arg(name);
    return name;
}

// A seat's score as the players hear it.
QString seat_score(const std::string& name, const std::string& score) {
    return QCoreApplication::translate("quarn", "%1, score %2.").arg(qs(name), qs(score));
}

} // namespace

GameScreenWindow::GameScreenWindow(Quarn& q, Dispatch& dispatch) : ModelWindow(q, dispatch) {
    setObjectName(QStringLiteral("form_game_screen"));
    setWindowTitle(tr("Game Screen"));
    resize(twips_size(15225, 10305)); // an ordinary frame: the players may resize it

    build_left_panel();

    // The divider between the two panels, 4 pixels wide.
    auto* divider = new QFrame(this);
    divider->setObjectName(QStringLiteral("Line1"));
    divider->setGeometry(px(5520) - 2, px(135), 4, px(10095) - px(135));
    set_background(divider, qcolor(colours::black));

    build_right_panel();
}

void GameScreenWindow::build_left_panel() {
    const QFont clock_font = comic(15.75);
    add_label(this, QStringLiteral("Label7"), tr("Game Time Remaining"), twips_rect(360, 240, 3495, 495),
              {.font = clock_font, .centred = true, .framed = true, .background = qcolor(colours::light_yellow)});

    auto figure = [&](const char* name, int left, const QString& role) {
        return add_caption(this, QString::fromLatin1(name), QStringLiteral("0"), twips_rect(left, 840, 495, 495),
                           {.font = clock_font, .centred = true, .framed = true, .role = role});
    };
    auto unit = [&](const char* name, int left, const QString& text) {
        add_label(this, QString::fromLatin1(name), text, twips_rect(left, 840, 375, 495),
                  {.font = clock_font, .centred = true, .framed = true});
    };
    hours_ = figure("Label4", 360, tr("hours left"));
    //: The unit after the hours of the game clock.
    unit("Label5", 840, tr("h"));
    minutes_ = figure("Label3", 1320, tr("minutes left"));
    //: The unit after the minutes of the game clock.
    unit("Label6", 1800, tr("m"));
    seconds_ = figure("Label9", 2280, tr("seconds left"));
    //: The unit after the seconds of the game clock.
    unit("Label10", 2760, tr("s"));

    round_ = add_caption(this, QStringLiteral("Lbl_round"), QStringLiteral("Round 1"), twips_rect(3240, 840, 1695, 495),
                         {.font = comic(15.75, true), .centred = true, .framed = true, .role = tr("round")});
    round_.label()->setToolTip(tr("The number of turns each player has had"));

    bar_ = new QProgressBar(this);
    bar_->setObjectName(QStringLiteral("bar_game_timer"));
    bar_->setGeometry(twips_rect(360, 1440, 4905, 495));
    bar_->setTextVisible(false);
    bar_->setRange(0, 100);
    bar_->setValue(0);
    bar_->setAccessibleName(tr("game time remaining"));

    build_seats();
    build_high_scores();

    add_label(this, QStringLiteral("Label17"),
              tr("The scores shown above are the Highest scores after 4 rounds"),
              twips_rect(360, 9840, 4935, 255),
              {.font = arial(8.25), .framed = true, .background = qcolor(colours::black),
               .text = qcolor(colours::yellow)});
}

void GameScreenWindow::build_seats() {
    auto* frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setGeometry(twips_rect(360, 2040, 4935, 4095));
    frame->setAccessibleName(tr("players and scores"));

    const QFont heading_font = comic(15.75);
    add_label(frame, QStringLiteral("Label1"), tr("Player"), twips_rect(240, 360, 2775, 615),
              {.font = heading_font, .framed = true});
    add_label(frame, QStringLiteral("Label2"), tr("Score"), twips_rect(3120, 360, 1695, 615),
              {.font = heading_font, .framed = true});

    struct SeatLook {
        QColor background, text;
    };
    static const SeatLook seats[seat_count] = {{qcolor(colours::red), Qt::black},
                                               {QColor(0, 192, 0), Qt::black},
                                               {qcolor(colours::blue), QColor(224, 224, 224)},
                                               {qcolor(colours::yellow), Qt::black}};
    for (int i = 0; i < seat_count; ++i) {
        const auto seat = static_cast<std::size_t>(i);
        const int top = 1080 + 720 * i;
        names_[seat] = add_caption(frame, QStringLiteral("names_%1").arg(i), QString(), twips_rect(240, top, 2655, 615),
                                   {.font = comic(20.25), .framed = true, .background = seats[i].background,
                                    .text = seats[i].text, .wrap = false,
                                    .role = tr("player %1").arg(i + 1)});
        scores_[seat] = add_caption(frame, QStringLiteral("score_%1").arg(i), QStringLiteral("00000"),
                                    twips_rect(3120, top, 1695, 615),
                                    {.font = times(21.75), .centred = true, .framed = true, .wrap = false,
                                     .role = tr("score of player %1").arg(i + 1)});
    }
}

void GameScreenWindow::build_high_scores() {
    auto* frame = new QGroupBox(tr("Highest Scores"), this);
    frame->setObjectName(QStringLiteral("Frame2"));
    frame->setGeometry(twips_rect(360, 6240, 4935, 3495));
    frame->setFont(comic(15.75, true));
    set_background(frame, qcolor(colours::light_grey));
    set_text_colour(frame, qcolor(colours::darker_red));
    frame->setAccessibleName(frame->title());

    struct Column {
        int left, width;
        bool centred;
    };
    static const Column psn{240, 380, true}, name{720, 1800, false}, score{2640, 795, true}, date{3600, 1020, true};
    auto cell = [&](const QString& object, const QString& text, const Column& column, int top, const QString& role) {
        return add_caption(frame, object, text, twips_rect(column.left, top, column.width, 255),
                           {.font = arial(8.25, true), .centred = column.centred, .framed = true,
                            .background = qcolor(colours::grey), .text = qcolor(colours::white), .wrap = false,
                            .role = role});
    };
    cell(QStringLiteral("Label13"), tr("Psn"), psn, 600, QString());
    cell(QStringLiteral("Label14"), tr("Name"), name, 600, QString());
    cell(QStringLiteral("Label15"), tr("Score"), score, 600, QString());
    cell(QStringLiteral("Label16"), tr("Date"), date, 600, QString());

    for (int k = 0; k < high_score_places; ++k) {
        const int top = 840 + 240 * k;
        const QString place = QString::number(k + 1);
        cell(QStringLiteral("psn_%1").arg(k), place, psn, top, tr("place %1").arg(place));
        HighScoreView& row = high_scores_[static_cast<std::size_t>(k)];
        row.name = cell(QStringLiteral("hi_name_%1").arg(k), QString(), name, top, tr("name in place %1").arg(place));
        row.score =
            cell(QStringLiteral("hi_Score_%1").arg(k), QString(), score, top, tr("score in place %1").arg(place));
        row.date = cell(QStringLiteral("hi_date_%1").arg(k), QString(), date, top, tr("date in place %1").arg(place));
    }
}

void GameScreenWindow::build_right_panel() {
    auto* exit = add_button(this, QStringLiteral("button_exit"), tr("Exit"),
                            twips_rect(14640, 120, 495, 465), {.font = comic(8.25, true), .face = qcolor(colours::red)});
    connect(exit, &QPushButton::clicked, this, [this] { dispatch_(exit_clicked); });

    heading_ = add_caption(this, QStringLiteral("Label8"), QString(), twips_rect(5640, 120, 8895, 1095),
                           {.font = comic(36), .centred = true, .framed = true, .role = tr("game")});
    turn_ = add_caption(this, QStringLiteral("Label11"), QString(), twips_rect(5640, 1320, 8895, 855),
                        {.font = comic(26.25), .centred = true, .framed = true, .role = tr("turn")});

    const QFont letter_font = comic(36);
    auto press = [this](int index) { dispatch_([index](Quarn& q) { cell_clicked(q.state, index); }); };
    for (int i = 0; i < cell_count; ++i) {
        auto* label = new CellLabel(i, this, [this, press](int index) {
            board_->hide_cursor(); // the player has taken the mouse
            press(index);
        });
        label->setObjectName(QStringLiteral("label_mixed_%1").arg(i));
        label->setGeometry(twips_rect(5640 + 720 * (i % grid_columns), 2400 + 1200 * (i / grid_columns), 615, 1095));
        label->setFont(letter_font);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setTextFormat(Qt::PlainText);
        label->setFocusPolicy(Qt::NoFocus);
        label->setFrameShadow(QFrame::Plain);
        label->setAutoFillBackground(true);
        cells_[static_cast<std::size_t>(i)].label = label;
    }
    // Under the cells, after Exit and before the buttons below in the Tab order.
    board_ = new BoardCursor(this, [this](int i) { return cell(i); }, press);
    board_->lower();

    check_ = add_button(this, QStringLiteral("button_check"), tr("Finished ! Check  Word(s)"),
                        twips_rect(5640, 8400, 1935, 1815), {.font = comic(18), .face = QColor(255, 128, 128)});
    connect(check_, &QPushButton::clicked, this,
            [this] { dispatch_([](Quarn& q) { check_clicked(q.state, q.form_game_screen); }); });

    counter_heading_ =
        add_caption(this, QStringLiteral("Label12"), tr("Score"), twips_rect(7680, 8400, 4455, 855),
                    {.font = comic(27.75, false, true), .centred = true, .framed = true,
                     .background = qcolor(colours::red), .text = qcolor(colours::yellow),
                     .role = tr("counter heading")});
    counter_ = add_caption(this, QStringLiteral("label_score"), QStringLiteral("00000"), twips_rect(7680, 9240, 4455, 975),
                           {.font = times(36, true, true), .centred = true, .framed = true,
                            .background = qcolor(colours::yellow), .text = qcolor(colours::red),
                            .role = tr("counter")});

    change_letter_ = add_button(this, QStringLiteral("button_change_letter"), tr("Change Letter"),
                                twips_rect(12240, 8400, 2655, 1815),
                                {.font = comic(32.25), .face = qcolor(colours::light_yellow)});
    change_letter_->hide();
    connect(change_letter_, &QPushButton::clicked, this,
            [this] { dispatch_([](Quarn& q) { change_letter_clicked(q); }); });
    board_->take_arrows_from({exit, check_, change_letter_});

    announcer_ = new Announcer(this);
}

void GameScreenWindow::render() {
    const GameScreenModel& m = q_.form_game_screen;

    hours_.show(m.clock_hours);
    minutes_.show(m.clock_minutes);
    seconds_.show(m.clock_seconds);
    round_.show(m.round_caption);

    // A bar needs a range of at least one step, or it turns into a busy
    // indicator; the value is kept inside the range the bar accepts.
    const int maximum = std::max(1, m.bar_maximum);
    if (bar_maximum_.changed(maximum)) bar_->setRange(0, maximum);
    const int value = std::clamp(m.bar_value, 0, maximum);
    if (bar_->value() != value) bar_->setValue(value);

    for (std::size_t i = 0; i < names_.size(); ++i) {
        names_[i].show(m.names[i]);
        // A score counting up is told to screen readers once it has stopped.
        scores_[i].show(m.scores[i], m.tally_seat == static_cast<int>(i));
    }
    for (std::size_t k = 0; k < high_scores_.size(); ++k) {
        const HighScoreRow& row = m.high_scores[k];
        HighScoreView& view = high_scores_[k];
        view.name.show(row.name);
        view.score.show(row.score);
        view.date.show(row.date);
        if (view.colour.changed(row.text_colour))
            for (QLabel* label : {view.name.label(), view.score.label(), view.date.label()})
                set_text_colour(label, qcolor(row.text_colour));
    }

    // The keyboard is on the board when a turn starts and when it ends: the
    // board is where the player acts next, after "Are you ready", a result
    // or "Out of time". The cursor, hidden until the first arrow, waits on
    // the top-left cell, and no ring of the last turn shows under the next
    // box. Each turn is read out as it starts.
    const PlayState& s = q_.state;
    const bool turn_changed = turn_running_.changed(s.turn_running);
    if (turn_changed) {
        board_->restart();
        board_->setFocus(Qt::OtherFocusReason);
        if (s.turn_running) news_ << shown(m.turn_caption);
    }
    heading_.show(m.heading);
    turn_.show(m.turn_caption);
    counter_heading_.show(m.counter_heading);
    // The counter ticking down is no news; where it stops is, and its words.
    counter_.show(m.counter, m.score_timer.enabled() && !m.counter.translated());

    // A pick the game refuses (a letter placed in Pick 'N Mix) changes
    // nothing on the board: the cell under the cursor is said again, as
    // placed, until the cursor moves on.
    if (placed_cell_ >= 0 && !(board_->drawn() && board_->cell() == placed_cell_)) placed_cell_ = -1;
    const bool refused =
        pick_refused_.changed(s.pick_refused) && s.pick_refused && board_->drawn() && s.clicked_cell == board_->cell();
    if (refused) placed_cell_ = board_->cell();
    render_cells();
    if (refused) board_->say_again();
    board_->describe();
    render_news();

    // A button taken away while it has the keyboard (the check button while
    // a check runs) hands it back to the board, not on round to Exit.
    const bool check_goes = !m.check_enabled && focusWidget() == check_;
    const bool change_goes = !(m.change_letter_visible && m.change_letter_enabled) && focusWidget() == change_letter_;
    if (check_goes || change_goes) board_->setFocus(Qt::OtherFocusReason);
    if (check_->isEnabled() != m.check_enabled) check_->setEnabled(m.check_enabled);
    if (change_letter_->isHidden() == m.change_letter_visible) change_letter_->setVisible(m.change_letter_visible);
    if (change_letter_->isEnabled() != m.change_letter_enabled) change_letter_->setEnabled(m.change_letter_enabled);

    mirror_.render(*this, m, [this] { centre_on_screen(*this); });
}

void GameScreenWindow::render_cells() {
    const GameScreenModel& m = q_.form_game_screen;
    for (std::size_t i = 0; i < cells_.size(); ++i) {
        const Cell& cell = m.cells[i];
        CellView& view = cells_[i];
        if (view.text.changed(cell.text)) {
            view.label->set_letter(qs(cell.text));
        }
        if (view.background.changed(cell.background)) {
            QPalette p = view.label->palette();
            p.setColor(QPalette::Window, qcolor(cell.background));
            view.label->setPalette(p);
        }
        if (view.framed.changed(cell.framed)) set_framed(view.label, cell.framed);
        const int index = static_cast<int>(i);
        const CellSpoken spoken{cell.text, cell.background == colours::white, !cell.framed, index == placed_cell_};
        if (!view.spoken.changed(spoken)) continue;
        // The cursor's cell is said again under a new object (BoardCursor::describe).
        if (view.label->has_cursor()) renew_accessible(view.label);
        view.label->setAccessibleName(cell_name(index, spoken.text, spoken.white, spoken.picked, spoken.placed));
    }
}

void GameScreenWindow::render_news() {
    const GameScreenModel& m = q_.form_game_screen;
    // News of a game that was left is no news in the next.
    if (!m.visible) news_.clear();
    // The counter's words: "Time Up !".
    const bool time_up = m.counter.translated();
    if (time_up_.changed(time_up) && time_up && q_.state.game_running) news_ << shown(m.counter);
    // The seat's new score, once it has counted up.
    if (m.tally_seat != tally_seat_) {
        if (m.tally_seat < 0) {
            const auto seat = static_cast<std::size_t>(tally_seat_);
            news_ << seat_score(m.names[seat], m.scores[seat]);
        }
        tally_seat_ = m.tally_seat;
    }
    if (news_.isEmpty() || !isActiveWindow()) return;
    announcer_->say(news_.join(QLatin1Char(' ')));
    news_.clear();
}

QString GameScreenWindow::status() const {
    const GameScreenModel& m = q_.form_game_screen;
    //: The status key: the turn's counter under its heading ("Score: 985", "Time: 95").
    QStringList said{QCoreApplication::translate("quarn", "%1: %2.").arg(shown(m.counter_heading), shown(m.counter))};
    auto two_digits = [](const std::string& figure) { return qs(figure).rightJustified(2, QLatin1Char('0')); };
    if (q_.state.game_time_left < 0)
        said << QCoreApplication::translate("quarn", "The game time has run out.");
    else if (m.clock_hours != "0")
        said << QCoreApplication::translate("quarn", "Game time left: %1:%2:%3.")
                    .arg(qs(m.clock_hours), two_digits(m.clock_minutes), two_digits(m.clock_seconds));
    else
        said << QCoreApplication::translate("quarn", "Game time left: %1:%2.")
                    .arg(qs(m.clock_minutes), two_digits(m.clock_seconds));
    for (std::size_t i = 0; i < m.names.size(); ++i)
        if (!m.names[i].empty()) said << seat_score(m.names[i], m.scores[i]);
    return said.join(QLatin1Char(' '));
}

// F2, the status key, reads where the game stands. Orca, the screen reader,
// leaves F2 to the program in both its desktop and its laptop layout.
void GameScreenWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F2 && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (!event->isAutoRepeat()) announcer_->say(status());
        return;
    }
    QWidget::keyPressEvent(event);
}

void GameScreenWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    // During a game the frame's close button asks, like Exit; between games
    // the window stays as the program has it.
    if (q_.state.game_running)
        dispatch_(exit_clicked);
    else
        dispatch_.render();
}

} // namespace quarn::ui
