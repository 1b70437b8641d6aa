// The program as a user meets it: real Qt widgets on the offscreen platform, driven with the
// keyboard and the menus, and the results windows as they are painted.

#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <QXmlStreamReader>
#include <functional>
#include <random>

#include "input/form1.h"
#include "qt/client_area_view.h"
#include "qt/conversions.h"
#include "qt/fonts.h"
#include "qt/qt_binding.h"
#include "qt/qt_dialogs.h"
#include "qt/qt_pictures.h"
#include "qt/qt_text_metrics.h"
#include "qt/window_view.h"
#include "results/form2.h"
#include "results/form3.h"
#include "shell/frm_about.h"
#include "shell/frm_help.h"
#include "shell/frm_splash.h"
#include "shell/mdi_form1.h"
#include "tests/support/program_world.h"
#include "tests/support/test_doubles.h"
#include "tests/support/typed_entries.h"

namespace torvi::app {
namespace {

class Program : public ::testing::Test,
                protected testing::Assembly<qt::QtTextMetrics, qt::QtDialogs> {
  protected:
    void SetUp() override {
        binding.emplace(application);
        messages.setBinding(&*binding);
        application.dispatch([&] {
            main = &application.form<shell::MDIForm1>();
            main->show();
        });
        frame = binding->windowView(main)->frame();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame));
    }
    void TearDown() override {
        binding.reset();
        QApplication::processEvents();
    }
    // Keys go where Qt's focus is, as from a keyboard.
    void type(const QString& text) { QTest::keyClicks(QApplication::focusWidget(), text); }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    QWidget* widget(ui::Element& element) { return binding->widgetFor(&element); }
    QImage paint(ui::Window& window) {
        return binding->windowView(&window)->clientArea()->grab().toImage();
    }

    void typeTheExample() {
        QTest::keySequence(frame, QKeySequence("Ctrl+D"));
        input::Form1* form = application.find<input::Form1>();
        ASSERT_NE(form, nullptr);
        ASSERT_EQ(QApplication::focusWidget(), widget(*form->Text1));
        type("2");
        press(Qt::Key_Return);
        type("0");
        press(Qt::Key_Return);
        type("1");
        press(Qt::Key_Return);
        ASSERT_EQ(QApplication::focusWidget(), widget(form->Text3(0)));
    }

    std::optional<qt::QtBinding> binding;
    shell::MDIForm1* main = nullptr;
    QWidget* frame = nullptr;
};

TEST_F(Program, StartsAsTheMainWindowWithItsMenus) {
    EXPECT_EQ(frame->windowTitle(), "Torvi 1.0");
    auto* window = qobject_cast<QMainWindow*>(frame);
    ASSERT_NE(window, nullptr);
    QStringList titles;
    for (QAction* action : window->menuBar()->actions()) {
        if (action->isVisible()) titles << action->text();
    }
    EXPECT_EQ(titles, (QStringList{"&File", "&Calculate", "&Window", "O&ptions", "&Help"}));
}

TEST_F(Program, TheDefaultExampleWithTheKeyboardOnlyThroughTheButtonAndTheMenu) {
    typeTheExample();
    input::Form1& form = *application.find<input::Form1>();
    for (int tab = 0; tab < 4; ++tab) press(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), widget(*form.Command1));
    ASSERT_TRUE(widget(*form.Command1)->isEnabled());
    press(Qt::Key_Return);
    EXPECT_NEAR(main->state.population(0, 1), 90.51, 0.005);
    EXPECT_NEAR(main->state.population(0, 2), 9.49, 0.005);
    EXPECT_NEAR(main->state.population(100, 1), 84.02, 0.005);
    EXPECT_NEAR(main->state.population(100, 2), 15.98, 0.005);

    const auto byButton = main->state.population.block();
    main->state = {};
    QTest::keySequence(frame, QKeySequence("Ctrl+D"));
    ASSERT_TRUE(binding->windowView(main)->actionFor(main->mnuCalc)->isEnabled());
    binding->windowView(main)->actionFor(main->mnuCalc)->trigger();
    EXPECT_EQ(main->state.population.block(), byButton);
    EXPECT_TRUE(binding->windowView(main)->actionFor(main->mnuPrint)->isEnabled());
}

// After every user action the element the model holds as focused is the widget with Qt's focus,
// and a typed character lands in the box whose key rules ran, in place of its selection.
TEST_F(Program, KeyboardFocusStaysWithTheBoxWhoseRulesRun) {
    QTest::keySequence(frame, QKeySequence("Ctrl+D"));
    input::Form1& form = *application.find<input::Form1>();
    QWidget* client = binding->windowView(&form)->clientArea();
    auto text = [&](ui::TextBox& box) {
        EXPECT_EQ(qobject_cast<QLineEdit*>(widget(box))->text().toStdString(), box.text());
        return box.text();
    };
    auto inStep = [&](ui::Element& expected) {
        QApplication::processEvents();  // as before the user's next action
        EXPECT_EQ(form.focused(), &expected) << form.focused()->designName();
        return QApplication::focusWidget() == widget(expected);
    };
    type("2");
    press(Qt::Key_Return);
    ASSERT_TRUE(inStep(form.Text2(1)));

    // Clicks where nothing can take the focus: the window's background, a label, a disabled button.
    QTest::mouseClick(client, Qt::LeftButton, {}, QPoint(330, 40));
    EXPECT_TRUE(inStep(form.Text2(1)));
    QTest::mouseClick(widget(*form.Label1), Qt::LeftButton);
    EXPECT_TRUE(inStep(form.Text2(1)));
    QTest::mouseClick(widget(*form.Command1), Qt::LeftButton);
    EXPECT_TRUE(inStep(form.Text2(1)));
    type("0");
    EXPECT_EQ(text(form.Text2(1)), "0");
    press(Qt::Key_Return);
    type("1");
    press(Qt::Key_Return);

    // The rule moved the focus to the lower Celsius box and selected "-50": typing replaces it.
    ASSERT_TRUE(inStep(form.Text3(0)));
    type("-40");
    EXPECT_EQ(text(form.Text3(0)), "-40");
    ASSERT_FALSE(form.Text4(0).enabled());
    QTest::mouseClick(widget(form.Text4(0)), Qt::LeftButton);  // a disabled box
    EXPECT_TRUE(inStep(form.Text3(0)));
    press(Qt::Key_Return);
    EXPECT_EQ(text(form.Text4(0)), "233,15");
    ASSERT_TRUE(inStep(form.Text3(1)));
    press(Qt::Key_Tab);
    ASSERT_TRUE(inStep(form.Text4(0)));
    ASSERT_TRUE(form.Command1->enabled());

    // A press on the button released beside it is no click: nothing moves.
    QTest::mousePress(widget(*form.Command1), Qt::LeftButton);
    QTest::mouseRelease(widget(*form.Command1), Qt::LeftButton, {}, QPoint(-20, -20));
    EXPECT_TRUE(inStep(form.Text4(0)));
    EXPECT_EQ(main->state.conformerCount, 0);

    // Back to the count box, which Shift+Tab selects; Calculate is on again from the leave rules.
    for (int step = 0; step < 5; ++step) press(Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_TRUE(inStep(*form.Text1));
    ASSERT_TRUE(form.Command1->enabled());
    // The count box's rule sends the focus to the button, yet the 1 replaces the selected 2.
    type("1");
    EXPECT_EQ(text(*form.Text1), "1");
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), widget(*form.focused()));

    // A click puts the insertion point where it lands, before the 3 of "30".
    QTest::mouseClick(widget(form.Text3(1)), Qt::LeftButton, {}, QPoint(3, 10));
    ASSERT_TRUE(inStep(form.Text3(1)));
    type("1");
    EXPECT_EQ(text(form.Text3(1)), "130");
}

// The frames of the design. Where a window manager draws the frame (a test run under X with one)
// the frame it drew counts; the offscreen platform draws none, so there the geometry the binding
// asks for counts.
TEST_F(Program, WindowsAreFramedAsDesigned) {
    const bool windowManager = QGuiApplication::platformName() != "offscreen";
    // The main window's 10000 x 7000 twips are its outer size, frame and caption included.
    if (windowManager) {
        (void)QTest::qWaitFor([&] { return frame->frameGeometry().size() == QSize(667, 467); },
                              10'000);
        EXPECT_EQ(frame->frameGeometry().size(), QSize(667, 467));
    } else {
        EXPECT_EQ(frame->size(), QSize(667 - 2 * 4, 467 - 23 - 4));
    }

    // The About box: its client area at its design place, a close box and nothing more.
    binding->windowView(main)->actionFor(main->mnuAbout)->trigger();
    ui::Window* about = application.find<shell::frmAbout>();
    ASSERT_NE(about, nullptr);
    QWidget* aboutFrame = binding->windowView(about)->frame();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(aboutFrame));
    (void)QTest::qWaitFor([&] { return aboutFrame->geometry() == QRect(156, 129, 382, 237); },
                          10'000);
    EXPECT_EQ(aboutFrame->geometry(), QRect(156, 129, 382, 237));
    const Qt::WindowFlags flags = aboutFrame->windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint) && flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint) ||
                 flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(aboutFrame->windowType(), Qt::Tool);  // kept off the task bar
    if (windowManager) {
        // What reaches the window manager: Motif functions and decorations with the close box
        // and without minimising (8, 32) or maximising (16, 64), and no maximise action. (Openbox
        // lets every window be minimised whatever it is told.)
        QProcess xprop;
        xprop.start("xprop", {"-id", QString::number(aboutFrame->winId()), "_MOTIF_WM_HINTS",
                              "_NET_WM_ALLOWED_ACTIONS"});
        xprop.waitForFinished();
        const QString told = xprop.readAllStandardOutput();
        const QStringList motif = told.section(" = ", 1).section('\n', 0, 0).split(", ");
        ASSERT_GE(motif.size(), 3) << told.toStdString();
        const int functions = motif[1].toInt(nullptr, 16);
        const int decorations = motif[2].toInt(nullptr, 16);
        EXPECT_EQ(functions & (32 | 16 | 8), 32) << told.toStdString();
        EXPECT_EQ(decorations & (64 | 32), 0) << told.toStdString();
        EXPECT_FALSE(told.contains("ACTION_MAXIMIZE")) << told.toStdString();
    }
    // Its etched separator: the grey line, and the white line showing below it.
    const QImage aboutImage = paint(*about);
    EXPECT_EQ(aboutImage.pixelColor(200, 152), QColor(128, 128, 128));
    EXPECT_EQ(aboutImage.pixelColor(200, 153), QColor(255, 255, 255));

    // The splash: a fixed dialog border of its own around the client area, no title bar.
    binding->windowView(main)->actionFor(main->mnuSplash)->trigger();
    ui::Window* splash = application.find<shell::frmSplash>();
    ASSERT_NE(splash, nullptr);
    QWidget* splashFrame = binding->windowView(splash)->frame();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(splashFrame));
    EXPECT_TRUE(splashFrame->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(splashFrame->windowType(), Qt::Tool);
    EXPECT_EQ(splashFrame->size(), QSize(492 + 6, 283 + 6));
    EXPECT_EQ(binding->windowView(splash)->clientArea()->geometry(), QRect(3, 3, 492, 283));
    const QImage border = splashFrame->grab().toImage();
    EXPECT_EQ(border.pixelColor(1, 1), QColor(255, 255, 255));
    EXPECT_EQ(border.pixelColor(border.width() - 1, border.height() - 1), QColor(0, 0, 0));
    EXPECT_EQ(border.pixelColor(border.width() - 2, border.height() - 2), QColor(128, 128, 128));
}

// A repaint of a part of the table (what a window moved away uncovers) draws there what a whole
// repaint does: texts reaching into the part from above or from its left are not left out.
TEST_F(Program, APartOfTheTableRepaintedIsThatPartOfTheWhole) {
    typeTheExample();
    binding->windowView(main)->actionFor(main->mnuCalc)->trigger();
    QWidget* area = binding->windowView(application.find<results::Form3>())->clientArea();
    const QImage whole = area->grab().toImage();
    for (const QRect part :
         {QRect(0, 41, area->width(), 6), QRect(47, 0, 9, area->height()), QRect(60, 100, 7, 5)}) {
        EXPECT_EQ(area->grab(part).toImage(), whole.copy(part))
            << part.x() << ", " << part.y() << ", " << part.width() << " x " << part.height();
    }
}

// Cascade, the display order and Calculate place the child windows whatever the user did with
// them; a minimised window comes back when it is brought forward; a wide one can be scrolled to.
TEST_F(Program, ChildWindowsGoWhereTheDesignSaysWhateverTheUserDid) {
    typeTheExample();
    binding->windowView(main)->actionFor(main->mnuCalc)->trigger();
    results::Form3* table = application.find<results::Form3>();
    ASSERT_NE(table, nullptr);
    QMdiSubWindow* tableWindow = binding->windowView(table)->subWindow();
    ASSERT_EQ(tableWindow->pos(), QPoint(33, 20));

    // The user drags the table window by its title bar.
    auto moveMouse = [&](QPoint to, Qt::MouseButtons held) {
        QMouseEvent move(QEvent::MouseMove, to, tableWindow->mapToGlobal(to), Qt::NoButton, held,
                         Qt::NoModifier);
        QApplication::sendEvent(tableWindow, &move);
    };
    moveMouse(QPoint(100, 8), Qt::NoButton);
    QTest::mousePress(tableWindow, Qt::LeftButton, {}, QPoint(100, 8));
    moveMouse(QPoint(160, 68), Qt::LeftButton);
    QTest::mouseRelease(tableWindow, Qt::LeftButton, {}, QPoint(160, 68));
    ASSERT_EQ(tableWindow->pos(), QPoint(93, 80));
    EXPECT_EQ(table->geometry().left, 93 * 15);
    binding->windowView(main)->actionFor(main->mnuCasc)->trigger();
    EXPECT_EQ(tableWindow->pos(), QPoint(33, 20));

    // The user minimises Data Input; Ctrl+D brings it back where it was.
    input::Form1* form = application.find<input::Form1>();
    QMdiSubWindow* dataWindow = binding->windowView(form)->subWindow();
    dataWindow->showMinimized();
    QApplication::processEvents();
    QTest::keySequence(frame, QKeySequence("Ctrl+D"));
    EXPECT_FALSE(dataWindow->isMinimized());
    EXPECT_EQ(dataWindow->geometry(), QRect(QPoint(0, 0), dataWindow->geometry().size()));
    EXPECT_EQ(application.activeWindow(), form);

    // The user maximises the graph window, and Ctrl+T has the workspace maximise the table
    // window it brings forward: the model learns it. Each arrangement command then restores the
    // windows and places them as designed, the checked option's window in front.
    results::Form2* graph = application.find<results::Form2>();
    QMdiSubWindow* graphWindow = binding->windowView(graph)->subWindow();
    auto screenAgrees = [&](ui::Window& window) {
        QMdiSubWindow* sub = binding->windowView(&window)->subWindow();
        const auto state = sub->isMaximized()   ? ui::WindowState::Maximised
                           : sub->isMinimized() ? ui::WindowState::Minimised
                                                : ui::WindowState::Normal;
        EXPECT_EQ(state, window.state()) << window.name();
        if (state == ui::WindowState::Normal) {
            EXPECT_EQ(sub->geometry(), qt::toPixels(window.geometry())) << window.name();
        }
    };
    const struct {
        ui::MenuItem* command;
        ui::Window* front;
    } arrangements[] = {{main->mnuSTF, table}, {main->mnuCasc, table}, {main->mnuSGF, graph}};
    for (const auto& [command, front] : arrangements) {
        graphWindow->showMaximized();
        QTest::keySequence(frame, QKeySequence("Ctrl+T"));
        QApplication::processEvents();
        EXPECT_EQ(table->state(), ui::WindowState::Maximised);
        for (ui::Window* window : {(ui::Window*)form, (ui::Window*)graph, (ui::Window*)table})
            screenAgrees(*window);
        binding->windowView(main)->actionFor(command)->trigger();
        QApplication::processEvents();
        ui::Window* back = front == table ? (ui::Window*)graph : table;
        EXPECT_EQ(form->geometry().left + form->geometry().top, 0);
        EXPECT_EQ(std::pair(back->geometry().left, back->geometry().top), std::pair(500, 300));
        EXPECT_EQ(std::pair(front->geometry().left, front->geometry().top), std::pair(1000, 600));
        EXPECT_EQ(application.activeWindow(), front);
        for (ui::Window* window : {(ui::Window*)form, (ui::Window*)graph, (ui::Window*)table}) {
            EXPECT_EQ(window->state(), ui::WindowState::Normal) << window->name();
            screenAgrees(*window);
        }
    }
    // Maximised and restored by the user: the window is back at its place, and the model knows.
    tableWindow->showMaximized();
    tableWindow->showNormal();
    QApplication::processEvents();
    screenAgrees(*table);
    EXPECT_EQ(table->geometry().left, 500);

    // Ten conformers: the table window is wider than the workspace, which scrolls.
    QMdiArea* workspace = binding->mdiArea();
    EXPECT_FALSE(workspace->horizontalScrollBar()->isVisible());
    ui::deliverClose(*form);
    ui::User user(application);
    torvi::testing::typeEntries(user, {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"});
    ASSERT_TRUE(main->mnuCalc->enabled());
    binding->windowView(main)->actionFor(main->mnuCalc)->trigger();
    QApplication::processEvents();
    EXPECT_EQ(tableWindow->width(), 757);
    EXPECT_TRUE(workspace->horizontalScrollBar()->isVisible());
}

// Exit by the menu item, by Ctrl+Q and by the close box, with windows open and an event loop
// running as in the program: the loop ends with status 0 and nothing reads what Exit deleted.
class ProgramExit : public Program, public ::testing::WithParamInterface<int> {};

TEST_P(ProgramExit, EndsTheEventLoopCleanly) {
    typeTheExample();
    binding->windowView(main)->actionFor(main->mnuAbout)->trigger();
    const std::function<void()> ways[] = {
        [&] { binding->windowView(main)->actionFor(main->mnuExit)->trigger(); },
        [&] { QTest::keySequence(frame, QKeySequence("Ctrl+Q")); },
        [&] { frame->close(); },
    };
    QTimer::singleShot(0, frame, ways[GetParam()]);
    QObject watchdog;  // a way that ends nothing ends the loop with 3
    QTimer::singleShot(5000, &watchdog, [] { QCoreApplication::exit(3); });
    EXPECT_EQ(QCoreApplication::exec(), 0);
    EXPECT_TRUE(application.ended());
    EXPECT_EQ(binding->windowView(main), nullptr);
}
INSTANTIATE_TEST_SUITE_P(MenuShortcutAndCloseBox, ProgramExit, ::testing::Values(0, 1, 2));

// While the splash is active, Ctrl+letter is a key it takes (and closes on), not a menu shortcut:
// neither Exit nor Data Input runs.
TEST_F(Program, TheSplashTakesControlLettersAheadOfTheMenus) {
    for (const char* chord : {"Ctrl+Q", "Ctrl+D"}) {
        binding->windowView(main)->actionFor(main->mnuSplash)->trigger();
        auto* splash = application.find<shell::frmSplash>();
        ASSERT_NE(splash, nullptr);
        QWidget* shown = binding->windowView(splash)->frame();
        shown->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(shown));
        QTest::keySequence(shown->windowHandle(), QKeySequence(chord));
        EXPECT_EQ(application.find<shell::frmSplash>(), nullptr) << chord;
        EXPECT_FALSE(application.ended()) << chord;
    }
    EXPECT_EQ(application.find<input::Form1>()->geometry().left, 0);  // not brought up by Ctrl+D
}

// Ctrl++ (or Ctrl+= without Shift) zooms every window and its contents by a step, Ctrl+- back,
// Ctrl+0 to the design's size, where every place is the design's pixel for pixel.
TEST_F(Program, ZoomFromTheKeyboardScalesTheWindowsAndTheirContents) {
    QTest::keySequence(frame, QKeySequence("Ctrl+D"));
    input::Form1* form = application.find<input::Form1>();
    ASSERT_NE(form, nullptr);
    QWidget* box = widget(*form->Text1);
    const QRect design = box->geometry();
    const QSize designFrame = binding->windowView(form)->frame()->size();
    const int designFont = box->fontInfo().pixelSize();
    QTest::keySequence(frame, QKeySequence(Qt::CTRL | Qt::Key_Equal));
    QTest::keySequence(frame, QKeySequence(Qt::CTRL | Qt::Key_Plus));
    ASSERT_EQ(application.zoom(), 150);
    const ui::Rect expected = ui::scaledPixels(form->Text1->geometry(), 1.5);
    EXPECT_EQ(box->geometry(), QRect(expected.left, expected.top, expected.width, expected.height));
    EXPECT_GT(box->fontInfo().pixelSize(), designFont);
    const QSize zoomedFrame = binding->windowView(form)->frame()->size();
    EXPECT_NEAR(zoomedFrame.width(), designFrame.width() * 1.5, 4);
    EXPECT_NEAR(zoomedFrame.height(), designFrame.height() * 1.5, 4);
    QTest::keySequence(frame, QKeySequence(Qt::CTRL | Qt::Key_Minus));
    EXPECT_EQ(application.zoom(), 125);
    QTest::keySequence(frame, QKeySequence(Qt::CTRL | Qt::Key_0));
    EXPECT_EQ(application.zoom(), 100);
    EXPECT_EQ(box->geometry(), design);
    EXPECT_EQ(binding->windowView(form)->frame()->size(), designFrame);
    EXPECT_EQ(box->fontInfo().pixelSize(), designFont);
}

// F1 from the keyboard opens the help, whose every line the window shows whole; Esc closes it.
TEST_F(Program, F1ShowsTheHelpWithEveryLineInside) {
    QTest::keySequence(frame->windowHandle(), QKeySequence(Qt::Key_F1));
    auto* help = application.find<shell::frmHelp>();
    ASSERT_NE(help, nullptr);
    QWidget* shown = binding->windowView(help)->frame();
    ASSERT_TRUE(QTest::qWaitForWindowActive(shown));
    const QRect client = binding->windowView(help)->clientArea()->rect();
    for (int k = 0; help->lblLine.find(k) != nullptr; ++k) {
        QWidget* line = widget(help->lblLine(k));
        const QString text = qt::toQString(help->lblLine(k).caption());
        const QFontMetrics metrics(qt::screenFont(help->lblLine(k).font));
        EXPECT_GE(line->width(), metrics.horizontalAdvance(text)) << k;
        EXPECT_TRUE(client.contains(line->geometry())) << k;
    }
    EXPECT_TRUE(client.contains(widget(*help->cmdOK)->geometry()));
    press(Qt::Key_Escape);
    EXPECT_EQ(application.find<shell::frmHelp>(), nullptr);
}

// Ctrl+C in a results window: the table as text and as an HTML table, the graphs as pictures.
TEST_F(Program, ResultsGoOnTheClipboard) {
    typeTheExample();
    binding->windowView(main)->actionFor(main->mnuCalc)->trigger();
    QTest::keySequence(frame, QKeySequence("Ctrl+T"));
    press(Qt::Key_C, Qt::ControlModifier);
    const QMimeData* copied = QApplication::clipboard()->mimeData();
    ASSERT_NE(copied, nullptr);
    const QStringList lines = copied->text().split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 13);
    EXPECT_EQ(lines[0], "Conformer #\t1\t2");
    EXPECT_EQ(lines[1], "Conf. Energy\t0\t1");
    EXPECT_EQ(lines[2], "-50\t90,51\t9,49");
    EXPECT_TRUE(lines[9].startsWith("6\t")) << lines[9].toStdString();
    EXPECT_EQ(lines[12], "30\t84,02\t15,98");
    EXPECT_TRUE(copied->html().contains("<tr><td>-50</td><td>90,51</td><td>9,49</td></tr>"));

    QTest::keySequence(frame, QKeySequence("Ctrl+G"));
    press(Qt::Key_C, Qt::ControlModifier);
    const QImage graph = qvariant_cast<QImage>(QApplication::clipboard()->mimeData()->imageData());
    results::Form2* graphWindow = application.find<results::Form2>();
    EXPECT_EQ(graph, paint(*graphWindow));

    main->mnuHPG->setVisible(true);  // as torvi --show-hpg starts
    binding->windowView(main)->actionFor(main->mnuHPG)->trigger();
    ui::Window* plot = application.activeWindow();
    ASSERT_EQ(plot->name(), "Form4");
    press(Qt::Key_C, Qt::ControlModifier);
    const QImage hpg = qvariant_cast<QImage>(QApplication::clipboard()->mimeData()->imageData());
    EXPECT_EQ(hpg.size(), binding->windowView(plot)->clientArea()->size());
    // The plot's middle column: conformer 2's blue band on top, conformer 1's yellow down to the
    // base line (the plot area starts at 1440, 600 twips; the column at 320 + 2500 inside it).
    const int x = (1440 + 320 + 2500) / 15;
    EXPECT_EQ(hpg.pixelColor(x, (600 + 540) / 15), QColor(0, 0, 255));
    EXPECT_EQ(hpg.pixelColor(x, (600 + 2500) / 15), QColor(255, 255, 0));
}

TEST_F(Program, TheGraphShowsTheStackedColoursInProportion) {
    typeTheExample();
    binding->windowView(main)->actionFor(main->mnuCalc)->trigger();
    results::Form2* graph = application.find<results::Form2>();
    ASSERT_NE(graph, nullptr);
    const QImage image = paint(*graph);
    // Bar 0 spans 193 pixels from y = 56; conformer 2 (blue) holds the top 9.5 %, 18 pixels.
    const int x = (2160 + 150) / 15;
    int blue = 0;
    int yellow = 0;
    for (int y = 56; y < 56 + 193; ++y) {
        const QColor colour = image.pixelColor(x, y);
        if (colour == QColor(0, 0, 255)) ++blue;
        if (colour == QColor(255, 255, 0)) ++yellow;
    }
    EXPECT_NEAR(blue, 17, 2);
    EXPECT_NEAR(yellow, 173, 3);
    EXPECT_EQ(image.pixelColor(x, 60), QColor(0, 0, 255));     // blue on top
    EXPECT_EQ(image.pixelColor(x, 200), QColor(255, 255, 0));  // yellow below
}

// Maximised in a large main window, the graph grows to fill it, its colours in the same
// proportions, and Ctrl+C copies it at that size; restored, it is the design's again, pixel for
// pixel.
TEST_F(Program, TheGraphMaximisedGrowsToFillTheWindow) {
    typeTheExample();
    binding->windowView(main)->actionFor(main->mnuCalc)->trigger();
    results::Form2* graph = application.find<results::Form2>();
    ASSERT_NE(graph, nullptr);
    const QImage design = paint(*graph);
    frame->resize(1920, 1080);
    QMdiSubWindow* sub = binding->windowView(graph)->subWindow();
    sub->showMaximized();
    QApplication::processEvents();
    const double scale = graph->contentScale();
    const QSize client = binding->windowView(graph)->clientArea()->size();
    EXPECT_NEAR(scale, std::min(client.width() / 560.0, client.height() / 340.0), 0.05);
    ASSERT_GT(scale, 2.5);
    const QRect cell = widget(graph->cell(2, 0))->geometry();
    EXPECT_NEAR(cell.height(), 18 * scale, 2 * scale);
    const QImage image = paint(*graph);
    const int x = static_cast<int>((2160 + 150) / 15.0 * scale);
    int blue = 0;
    int yellow = 0;
    for (int y = 0; y < image.height(); ++y) {
        const QColor colour = image.pixelColor(x, y);
        if (colour == QColor(0, 0, 255)) ++blue;
        if (colour == QColor(255, 255, 0)) ++yellow;
    }
    EXPECT_NEAR(blue, 17 * scale, 2 * scale);
    EXPECT_NEAR(yellow, 173 * scale, 3 * scale);
    press(Qt::Key_C, Qt::ControlModifier);
    const QImage copied = qvariant_cast<QImage>(QApplication::clipboard()->mimeData()->imageData());
    EXPECT_EQ(copied.size(), client);
    sub->showNormal();
    QApplication::processEvents();
    EXPECT_EQ(graph->contentScale(), 1.0);
    EXPECT_EQ(paint(*graph), design);
}

// What Save Graph As writes through Qt: the PNG read back is the window as shown, at its size,
// with conformer 2's blue where its cell is; for print, the printed graph at 300 dpi, 9,5 inches
// wide, the blue where the cell grew to and the thermometer's olive under the bars; the SVG
// drawing reads back as well-formed XML of the window's size.
TEST_F(Program, TheGraphSavedAsAPictureAndADrawingReadsBack) {
    qt::QtPictures pictures(*binding);
    typeTheExample();
    binding->windowView(main)->actionFor(main->mnuCalc)->trigger();
    results::Form2* graph = application.find<results::Form2>();
    ASSERT_NE(graph, nullptr);
    const std::optional<std::string> png = pictures.windowPng(*graph);
    ASSERT_TRUE(png);
    const QImage saved = QImage::fromData(QByteArray::fromStdString(*png));
    ASSERT_FALSE(saved.isNull());
    EXPECT_EQ(saved.size(), binding->windowView(graph)->clientArea()->size());
    const QPoint blue =
        widget(graph->cell(2, 0))->mapTo(binding->windowView(graph)->clientArea(), QPoint(5, 5));
    EXPECT_EQ(saved.pixelColor(blue), QColor(0, 0, 255));

    const std::optional<std::string> forPrint =
        results::graphPagePng(*graph, pictures, application.metrics(), 300);
    ASSERT_TRUE(forPrint);
    const QImage page = QImage::fromData(QByteArray::fromStdString(*forPrint));
    EXPECT_EQ(page.width(), 2850);
    const double grown = 2850.0 / (graph->clientWidth() / 15.0);  // page pixels a window's pixel
    EXPECT_NEAR(page.height(), graph->clientHeight() / 15.0 * grown, 1);
    EXPECT_EQ(page.pixelColor(blue * grown), QColor(0, 0, 255));
    const QPoint thermometer =
        widget(*graph->Picture11)->mapTo(binding->windowView(graph)->clientArea(), QPoint(250, 4));
    EXPECT_EQ(page.pixelColor(thermometer * grown), QColor(107, 107, 0));

    QXmlStreamReader svg(QByteArray::fromStdString(ui::windowSvg(*graph, &pictures)));
    ASSERT_TRUE(svg.readNextStartElement());
    EXPECT_EQ(svg.name(), QString("svg"));
    EXPECT_NEAR(svg.attributes().value("width").toDouble(), graph->clientWidth() / 15.0, 0.01);
    while (!svg.atEnd()) svg.readNext();
    EXPECT_FALSE(svg.hasError()) << svg.errorString().toStdString();
}

TEST_F(Program, TheTableIsPaintedWhereItsDrawingSaysAndPersists) {
    typeTheExample();
    binding->windowView(main)->actionFor(main->mnuCalc)->trigger();
    results::Form3* table = application.find<results::Form3>();
    ASSERT_NE(table, nullptr);
    const QImage image = paint(*table);
    for (const ui::TextRun& run : table->drawing.texts()) {
        if (run.text != "Conformer #" && run.text != " 90,51 ") continue;
        const QRect box(run.x / 15, run.y / 15, 40, 12);
        int dark = 0;
        for (int y = box.top(); y <= box.bottom(); ++y) {
            for (int x = box.left(); x <= box.right(); ++x) dark += qGray(image.pixel(x, y)) < 160;
        }
        EXPECT_GT(dark, 10) << run.text;
    }
    // Far below the table the window is plain white.
    EXPECT_EQ(image.pixelColor(image.width() / 2, image.height() - 5), QColor(255, 255, 255));
    // Covering and uncovering the window repaints the same drawing.
    QTest::keySequence(frame, QKeySequence("Ctrl+G"));
    QTest::keySequence(frame, QKeySequence("Ctrl+T"));
    EXPECT_EQ(paint(*table), image);
}

// The same seeded keys, clicks and commands through the program without a toolkit and through
// the real widgets: after every step both agree on the focus, every box's text and selection,
// every element's flags and every window's place, and the widgets show what their model holds.
// The random sessions and the fuzzer explore the headless program; this is why they may.
TEST(Differential, TheHeadlessProgramAndTheRealWidgetsAgreeStepByStep) {
    // Seeds whose sessions switch Calculate on, and in two of them reach the results windows.
    for (unsigned seed : {11u, 13u, 18u, 20u}) {
        testing::ProgramWorld headless;
        testing::Assembly<qt::QtTextMetrics> withQt;
        ui::Application& real = withQt.application;
        const ui::RecordingDialogs& messages = withQt.messages;
        std::optional<qt::QtBinding> binding(std::in_place, real);
        auto& main = real.form<shell::MDIForm1>();
        main.show();
        QWidget* frame = binding->windowView(&main)->frame();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame));
        headless.user.shortcut('D');
        QTest::keySequence(frame, QKeySequence("Ctrl+D"));

        std::mt19937 random(seed);
        // Mostly digits and Enter, so that entries are completed and Calculate switches on.
        const std::string keys = "1234512345,.-x\r\r\r\r\b\x1b\t\v";  // \v: Shift+Tab
        for (int step = 0; step < 120; ++step) {
            auto& form = headless.application.form<input::Form1>();
            auto& realForm = real.form<input::Form1>();
            const int action = std::uniform_int_distribution<int>(0, 9)(random);
            const std::size_t pick = random();
            if (action < 7) {  // a key, where the focus is
                const char key = keys[pick % keys.size()];
                QWidget* target = QApplication::focusWidget();
                if (key == '\t' || key == '\v') {
                    headless.user.tab(key == '\t');
                    QTest::keyClick(target, key == '\t' ? Qt::Key_Tab : Qt::Key_Backtab,
                                    key == '\t' ? Qt::NoModifier : Qt::ShiftModifier);
                } else {
                    headless.user.key(key);
                    QTest::keyClick(target, key);  // Enter, Backspace and Esc by their codes
                }
            } else if (action < 9) {  // a click at the right end of a shown box or the button
                std::vector<std::size_t> shown;
                for (std::size_t k = 0; k < form.tabOrder.size(); ++k)
                    if (form.tabOrder[k]->effectivelyVisible()) shown.push_back(k);
                const std::size_t k = shown[pick % shown.size()];
                headless.user.click(*form.tabOrder[k]);
                QWidget* widget = binding->widgetFor(realForm.tabOrder[k]);
                QTest::mouseClick(widget, Qt::LeftButton, {},
                                  QPoint(widget->width() - 3, widget->height() / 2));
            } else {  // Ctrl+D or an order option
                const int command = static_cast<int>(pick % 3);
                if (command == 0) {
                    headless.user.shortcut('D');
                    QTest::keySequence(frame, QKeySequence("Ctrl+D"));
                } else {
                    headless.user.choose(
                        *(command == 1 ? headless.main->mnuSTF : headless.main->mnuSGF));
                    binding->windowView(&main)
                        ->actionFor(command == 1 ? main.mnuSTF : main.mnuSGF)
                        ->trigger();
                }
            }
            QApplication::processEvents();

            const std::string where =
                "seed " + std::to_string(seed) + " step " + std::to_string(step);
            ASSERT_EQ(headless.messages.texts, messages.texts) << where;
            const auto& windows = headless.application.stackingOrder();
            ASSERT_EQ(windows.size(), real.stackingOrder().size()) << where;
            for (std::size_t w = 0; w < windows.size(); ++w) {
                ui::Window& one = *windows[w];
                ui::Window& other = *real.stackingOrder()[w];
                ASSERT_EQ(one.name(), other.name()) << where;
                EXPECT_EQ(one.geometry(), other.geometry()) << where << " " << one.name();
                if (QMdiSubWindow* sub = binding->windowView(&other)->subWindow()) {
                    EXPECT_EQ(sub->geometry(), qt::toPixels(other.geometry())) << where;
                }
            }
            ASSERT_EQ(form.focused() ? form.focused()->designName() : "",
                      realForm.focused() ? realForm.focused()->designName() : "")
                << where;
            if (real.activeWindow() == &realForm && realForm.focused()) {
                EXPECT_EQ(QApplication::focusWidget(), binding->widgetFor(realForm.focused()))
                    << where;
            }
            for (std::size_t e = 0; e < form.elements().size(); ++e) {
                const ui::Element& one = *form.elements()[e];
                const ui::Element& other = *realForm.elements()[e];
                EXPECT_EQ(std::pair(one.visible(), one.enabled()),
                          std::pair(other.visible(), other.enabled()))
                    << where << " " << one.designName();
                const auto* box = dynamic_cast<const ui::TextBox*>(&one);
                if (box == nullptr) continue;
                const auto& realBox = static_cast<const ui::TextBox&>(other);
                const auto* edit = qobject_cast<QLineEdit*>(binding->widgetFor(&realBox));
                EXPECT_EQ(box->text(), realBox.text()) << where << " " << one.designName();
                EXPECT_EQ(edit->text().toStdString(), realBox.text()) << where;
                EXPECT_EQ(edit->isEnabled(), realBox.enabled()) << where;
                if (&realBox == realForm.focused()) {
                    EXPECT_EQ(std::pair(box->selectionStart(), box->selectionLength()),
                              std::pair(realBox.selectionStart(), realBox.selectionLength()))
                        << where;
                }
            }
        }
        binding.reset();
        QApplication::processEvents();
    }
}

}  // namespace
}  // namespace torvi::app
