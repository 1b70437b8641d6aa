// The program as a user meets it: real Qt widgets on the offscreen platform, driven with the
// keyboard and the menus, and the results windows as they are painted.

#include <gtest/gtest.h>
#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include "input/form1.h"
#include "results/form2.h"
#include "results/form3.h"
#include "shell/mdi_form1.h"
#include "ui/qt/element_widgets.h"
#include "ui/qt/qt_binding.h"
#include "ui/qt/qt_message_boxes.h"
#include "ui/qt/qt_text_metrics.h"
#include "ui/qt/window_view.h"

namespace torvi::app {
namespace {

class Program : public ::testing::Test {
  protected:
    void SetUp() override {
        binding.emplace(application);
        messages.setBinding(&*binding);
        application.setPrinters(&printers);
        application.dispatch([&] {
            main = &application.form<shell::MDIForm1>();
            main->show();
        });
        frame = binding->viewFor(main)->frame();
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
    QImage paint(ui::Window& window) { return binding->viewFor(&window)->form()->grab().toImage(); }

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

    ui::qt::QtTextMetrics metrics;
    ui::qt::QtMessageBoxes messages;
    ui::RecordingPrinters printers{metrics};
    ui::Application application{{"Torvi", 1, 0}, metrics, messages};
    std::optional<ui::qt::QtBinding> binding;
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
    ASSERT_TRUE(binding->viewFor(main)->actionFor(main->mnuCalc)->isEnabled());
    binding->viewFor(main)->actionFor(main->mnuCalc)->trigger();
    EXPECT_EQ(main->state.population.block(), byButton);
    EXPECT_TRUE(binding->viewFor(main)->actionFor(main->mnuPrint)->isEnabled());
}

TEST_F(Program, TheGraphShowsTheStackedColoursInProportion) {
    typeTheExample();
    binding->viewFor(main)->actionFor(main->mnuCalc)->trigger();
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

TEST_F(Program, TheTableIsPaintedWhereItsDrawingSaysAndPersists) {
    typeTheExample();
    binding->viewFor(main)->actionFor(main->mnuCalc)->trigger();
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

}  // namespace
}  // namespace torvi::app
