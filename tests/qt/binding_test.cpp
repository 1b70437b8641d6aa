#include <gtest/gtest.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "demo_window.h"
#include "qt/client_area_view.h"
#include "qt/conversions.h"
#include "qt/fonts.h"
#include "qt/qt_binding.h"
#include "qt/qt_dialogs.h"
#include "qt/qt_text_metrics.h"
#include "qt/window_view.h"
#include "tests/support/assembly.h"
#include "tests/support/user.h"

namespace torvi::ui::testing {
namespace {

using Log = std::vector<std::string>;

class Binding : public ::testing::Test,
                protected torvi::testing::Assembly<qt::QtTextMetrics, qt::QtDialogs> {
  protected:
    Binding() : Assembly({"Demo", 1, 0}) {}
    void SetUp() override {
        binding.emplace(application);
        messages.setBinding(&*binding);
        DemoMain& main = application.form<DemoMain>();
        main.show();
        QWidget* frame = binding->windowView(&main)->frame();
        frame->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame));
        demo = &application.form<DemoWindow>();
        QApplication::processEvents();
        demo->log.clear();
    }
    void TearDown() override {
        binding.reset();
        QApplication::processEvents();
    }

    QLineEdit* edit(Element& element) {
        return qobject_cast<QLineEdit*>(binding->widgetFor(&element));
    }
    QWidget* widget(Element& element) { return binding->widgetFor(&element); }

    std::optional<qt::QtBinding> binding;
    DemoWindow* demo = nullptr;
};

TEST_F(Binding, MirrorsElementsAtTheirTwipPositions) {
    QLineEdit* box = edit(demo->Text1(2));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->geometry(), QRect(7, 53, 40, 19));
    EXPECT_EQ(box->accessibleDescription(), "Text1(2)");
    auto* sub = binding->windowView(demo)->subWindow();
    ASSERT_NE(sub, nullptr);
    EXPECT_TRUE(sub->isVisible());
    EXPECT_EQ(binding->mdiArea()->activeSubWindow(), sub);
    // The label inside the frame is a child of the frame's widget.
    EXPECT_EQ(widget(*demo->Label1)->parentWidget(), widget(*demo->Frame1));
}

TEST_F(Binding, TypingRaisesEachKeyBeforeItsCharacterAndTheChange) {
    QLineEdit* box = edit(demo->Text1(1));
    ASSERT_TRUE(box->hasFocus());
    QTest::keyClicks(box, "4,");
    EXPECT_EQ(demo->Text1(1).text(), "4,");
    EXPECT_EQ(box->text(), "4,");
    EXPECT_EQ(demo->log, (Log{"KeyPress 1 52", "Change 1 4", "KeyPress 1 44", "Change 1 4,"}));
    demo->log.clear();
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClick(box, Qt::Key_Left);
    QTest::keyClick(box, Qt::Key_Delete);
    EXPECT_EQ(demo->log, (Log{"KeyPress 1 13", "KeyPress 1 8", "Change 1 4", "Change 1 "}));
    // A character outside the basic plane is one key and enters whole.
    demo->log.clear();
    QTest::sendKeyEvent(QTest::Press, box, Qt::Key_unknown, QString::fromUtf8("😀"), {});
    EXPECT_EQ(demo->log, (Log{"KeyPress 1 128512", "Change 1 😀"}));
    EXPECT_EQ(box->text(), QString::fromUtf8("😀"));
}

TEST_F(Binding, AHandlerMovingTheFocusDoesNotRedirectTheCharacter) {
    demo->keyAction = [&](int index, int) {
        if (index == 1) demo->setFocus(demo->Text1(2));
    };
    QTest::keyClicks(edit(demo->Text1(1)), "x");
    EXPECT_EQ(demo->Text1(1).text(), "x");
    EXPECT_EQ(demo->Text1(2).text(), "");
    EXPECT_TRUE(edit(demo->Text1(2))->hasFocus());
    EXPECT_EQ(demo->log, (Log{"KeyPress 1 120", "LostFocus 1", "GotFocus 2", "Change 1 x"}));
}

TEST_F(Binding, AKeyReachesTheModelOnceAndAWindowClosedByItsKeyRuleTakesNoEdit) {
    // Ctrl+B is no shortcut and no edit command: the box ignores it and Qt passes it on.
    QTest::keyClick(edit(demo->Text1(1)), Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(demo->log, (Log{"KeyPress 1 2"}));
    demo->keyAction = [&](int, int) { demo->close(); };
    QTest::keyClicks(edit(demo->Text1(1)), "x");
    QApplication::processEvents();
    EXPECT_EQ(application.find<DemoWindow>(), nullptr);
    EXPECT_EQ(binding->windowView(demo), nullptr);
}

TEST_F(Binding, TimersTickInTheEventLoopWhileRunning) {
    // Every tick comes a whole interval after the start or the tick before, never earlier (a
    // millisecond allowed for the handler's own clock reading).
    QElapsedTimer clock;
    std::vector<qint64> tickTimes;  // microseconds
    demo->Timer1->onTimer = [&] { tickTimes.push_back(clock.nsecsElapsed() / 1000); };
    demo->Timer1->setInterval(500);
    clock.start();
    demo->Timer1->setRunning(true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return tickTimes.size() >= 4; }, 4000));
    for (std::size_t k = 0; k < tickTimes.size(); ++k)
        EXPECT_GE(tickTimes[k] - (k == 0 ? 0 : tickTimes[k - 1]), 499000) << "tick " << k;
    demo->Timer1->setRunning(false);
    demo->Timer1->onTimer = [&] { demo->log.push_back("Timer"); };
    demo->Timer1->setInterval(20);
    demo->Timer1->setRunning(true);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return std::count(demo->log.begin(), demo->log.end(), "Timer") >= 2; }, 2000));
    demo->Timer1->setRunning(false);
    QApplication::processEvents();
    const auto ticks = std::count(demo->log.begin(), demo->log.end(), "Timer");
    QTest::qWait(100);
    EXPECT_EQ(std::count(demo->log.begin(), demo->log.end(), "Timer"), ticks);
    // A tick that closes its own window.
    demo->Timer1->onTimer = [&] { demo->close(); };
    demo->Timer1->setRunning(true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return application.find<DemoWindow>() == nullptr; }, 2000));
    QTest::qWait(60);
}

TEST_F(Binding, TabFollowsTheDesignOrderPassingOverDisabledBoxes) {
    demo->Text1(2).setEnabled(false);
    QTest::keyClick(edit(demo->Text1(1)), Qt::Key_Tab);
    EXPECT_EQ(demo->focused(), demo->Text2);
    EXPECT_TRUE(edit(*demo->Text2)->hasFocus());
    EXPECT_EQ(demo->log, (Log{"LostFocus 1", "GotFocus Text2"}));
    QTest::keyClick(edit(*demo->Text2), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(demo->focused(), &demo->Text1(1));
}

TEST_F(Binding, ClickingABoxOrAButtonMovesTheModelFocus) {
    QTest::mouseClick(edit(demo->Text1(2)), Qt::LeftButton);
    EXPECT_EQ(demo->focused(), &demo->Text1(2));
    QTest::mouseClick(widget(*demo->Command1), Qt::LeftButton);
    EXPECT_EQ(demo->log, (Log{"LostFocus 1", "GotFocus 2", "LostFocus 2", "GotFocus Command1",
                              "Click Command1"}));
    QTest::mouseClick(widget(*demo->Frame1), Qt::LeftButton, {}, QPoint(50, 80));
    EXPECT_EQ(demo->log.back(), "Click Frame1");
}

TEST_F(Binding, AMessageBoxRaisesNoLeaveEvents) {
    bool shown = false;
    QTimer::singleShot(50, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box) {
            shown = box->text() == "Careful" && box->windowTitle() == "Demo" &&
                    box->buttons().size() == 1 && box->icon() == QMessageBox::NoIcon;
            box->accept();
        }
    });
    demo->keyAction = [&](int, int key) {
        if (key == 13) application.messageBox("Careful");
    };
    QTest::keyClick(edit(demo->Text1(1)), Qt::Key_Return);
    EXPECT_TRUE(shown);
    EXPECT_EQ(demo->log, (Log{"KeyPress 1 13"}));
    EXPECT_EQ(demo->focused(), &demo->Text1(1));
    // Qt gives the main window back its activation once the box has gone.
    ASSERT_TRUE(QTest::qWaitForWindowActive(edit(demo->Text1(1))->window()));
    EXPECT_TRUE(edit(demo->Text1(1))->hasFocus());
    EXPECT_EQ(demo->log, (Log{"KeyPress 1 13"}));
}

// The model, not Qt, decides where the focus goes when its box is disabled under it.
TEST_F(Binding, DisablingTheFocusedBoxPassesTheFocusOnAsTheModelSays) {
    demo->keyAction = [&](int index, int key) {
        if (index == 1 && key == 13) demo->Text1(1).setEnabled(false);
    };
    QTest::keyClick(edit(demo->Text1(1)), Qt::Key_Return);
    EXPECT_EQ(demo->log, (Log{"KeyPress 1 13", "LostFocus 1", "GotFocus 2"}));
    EXPECT_EQ(demo->focused(), &demo->Text1(2));
    EXPECT_EQ(QApplication::focusWidget(), edit(demo->Text1(2)));
}

TEST_F(Binding, ModelChangesAreMirrored) {
    demo->Text1(2).setText("1,5");
    demo->Text1(2).setVisible(false);
    demo->Command1->setEnabled(false);
    EXPECT_EQ(edit(demo->Text1(2))->text(), "1,5");
    EXPECT_FALSE(edit(demo->Text1(2))->isVisible());
    EXPECT_FALSE(widget(*demo->Command1)->isEnabled());
    demo->Label1->setCaption("A longer caption");
    EXPECT_GE(widget(*demo->Label1)->width(),
              QFontMetrics(qt::screenFont(Font{})).horizontalAdvance("A longer caption"));
}

TEST_F(Binding, MenusMirrorTheModelAndDisabledShortcutsDoNothing) {
    DemoMain& main = application.form<DemoMain>();
    QWidget* frame = binding->windowView(&main)->frame();
    QAction* run = binding->windowView(&main)->actionFor(main.mnuRun);
    ASSERT_NE(run, nullptr);
    EXPECT_EQ(run->text(), "&Run");
    EXPECT_EQ(run->shortcut(), QKeySequence("Ctrl+K"));
    QTest::keySequence(frame, QKeySequence("Ctrl+K"));
    EXPECT_EQ(main.log, (Log{"Run"}));
    main.mnuRun->setEnabled(false);
    EXPECT_FALSE(run->isEnabled());
    QTest::keySequence(frame, QKeySequence("Ctrl+K"));
    EXPECT_EQ(main.log, (Log{"Run"}));

    QAction* option = binding->windowView(&main)->actionFor(main.mnuOption);
    EXPECT_TRUE(option->isChecked());
    option->trigger();
    EXPECT_TRUE(option->isChecked());  // the model did not uncheck it
}

TEST_F(Binding, ClosingASubWindowClosesTheModelWindow) {
    QMdiSubWindow* sub = binding->windowView(demo)->subWindow();
    sub->close();
    QApplication::processEvents();
    EXPECT_EQ(application.find<DemoWindow>(), nullptr);
    EXPECT_EQ(binding->windowView(demo), nullptr);
    EXPECT_TRUE(binding->mdiArea()->subWindowList().isEmpty() ||
                !binding->mdiArea()->subWindowList().front()->isVisible());
}

TEST_F(Binding, TheWindowsDrawingIsPainted) {
    demo->drawing.drawLine(LineRun{0, 1500, 1500, 1500, colours::red, 1});
    QApplication::processEvents();
    const QImage image = binding->windowView(demo)->clientArea()->grab().toImage();
    EXPECT_EQ(image.pixelColor(50, 100), QColor(255, 0, 0));
    EXPECT_NE(image.pixelColor(50, 102), QColor(255, 0, 0));
}

// A text drawn again in another font is shaped in that font, not given the glyphs kept for the
// first: the same word in bold carries more ink, and in a larger size more still.
TEST_F(Binding, TheSameTextInAnotherFontIsDrawnInThatFont) {
    const auto ink = [&](const Font& font) {
        demo->drawing.clear();
        demo->drawing.drawText(TextRun{1500, 1500, "Conformer", colours::black, font});
        QApplication::processEvents();
        const QImage image = binding->windowView(demo)->clientArea()->grab().toImage();
        int dark = 0;
        for (int y = 95; y < 140; ++y)
            for (int x = 95; x < 260; ++x) dark += image.pixelColor(x, y).lightness() < 100;
        return dark;
    };
    const int regular = ink(Font{"Arial", 10, false});
    EXPECT_GT(regular, 50);
    EXPECT_GT(ink(Font{"Arial", 10, true}), regular * 1.2);
    EXPECT_GT(ink(Font{"Arial", 14, false}), regular * 1.4);
}

// A picture box shown larger than its design (here at twice the zoom) shows what is drawn into it
// after it grew, not the picture it kept from before.
TEST_F(Binding, AGrownPictureBoxShowsWhatIsDrawnLater) {
    application.setZoom(200);
    QApplication::processEvents();
    QWidget* box = widget(*demo->Picture1);
    ASSERT_EQ(box->size(), QSize(200, 80));
    EXPECT_NE(box->grab().toImage().pixelColor(100, 40), QColor(255, 0, 0));
    demo->Picture1->drawing.drawLine(LineRun{0, 300, 1500, 300, colours::red, 5});
    QApplication::processEvents();
    EXPECT_EQ(box->grab().toImage().pixelColor(100, 40), QColor(255, 0, 0));
}

}  // namespace
}  // namespace torvi::ui::testing
