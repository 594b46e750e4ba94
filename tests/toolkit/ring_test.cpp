// A ring as a keyboard user meets it: typed text picks an item, what was
// typed before a commit or a change of focus starts nothing, a blank alone
// opens the list, a disabled item is never taken, and a key sent without the focus commits at once.
#include "ring_gui.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

const char *const ZEITBASEN[] = {"50us", "100us", "200us", "500us", "1ms", "2ms", "3ms", "4ms", "5ms",
                                 "10ms", "20ms", "50ms", "100ms", "1s", "10s", "1min", "1std"};

// A window with the ring and a field to move the focus to; keys typed in
// one test count as typed in quick succession however slow the machine.
class RingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_intervall = QApplication::keyboardInputInterval();
        QApplication::setKeyboardInputInterval(60000);
        auto *layout = new QVBoxLayout(&fenster);
        ring = new tk::RingCtrl(&fenster);
        feld = new QLineEdit(&fenster);
        layout->addWidget(ring);
        layout->addWidget(feld);
        for (const char *t : ZEITBASEN) ring->addItem(QString::fromUtf8(t));
        fenster.show();
        fenster.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&fenster));
        fokus(ring);
    }
    void TearDown() override { QApplication::setKeyboardInputInterval(m_intervall); }
    static void fokus(QWidget *w)
    {
        w->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
        ASSERT_TRUE(w->hasFocus());
    }
    void tippen(const char *text) { QTest::keyClicks(ring, QString::fromUtf8(text)); }
    QString gezeigt() const { return ring->currentText(); }

    QWidget fenster;
    tk::RingCtrl *ring = nullptr;
    QLineEdit *feld = nullptr;
    int m_intervall = 0;
};

}  // namespace

TEST_F(RingTest, GetipptesGiltBisZurFestlegungOderZumFokuswechsel)
{
    QSignalSpy fest(ring, &tk::RingCtrl::festgelegt);
    tippen("5");
    EXPECT_EQ(gezeigt(), "5ms");
    // Enter commits; what is typed next is a new choice, not "50".
    QTest::keyClick(ring, Qt::Key_Return);
    EXPECT_EQ(fest.count(), 1);
    tippen("0");
    EXPECT_EQ(gezeigt(), "5ms") << "a lone 0 means no item: the shown one stays";
    tippen("1");
    EXPECT_EQ(gezeigt(), "1s");

    // Leaving the ring commits once; coming back, "0" is no "10".
    fokus(feld);
    EXPECT_EQ(fest.count(), 2);
    EXPECT_FALSE(ring->offen());
    fokus(ring);
    tippen("0");
    EXPECT_EQ(gezeigt(), "1s") << "what was typed before the focus left starts nothing";
    tippen("5");
    EXPECT_EQ(gezeigt(), "5ms") << "and the next key starts afresh";
    fokus(feld);
    EXPECT_EQ(fest.count(), 3);
    fokus(feld);
    EXPECT_EQ(fest.count(), 3) << "nothing open: no second commit";
}

TEST_F(RingTest, LeertasteAlleinOeffnetDieListe)
{
    ring->setCurrentIndex(4);  // 1ms
    QTest::keyClick(ring, Qt::Key_Space);
    EXPECT_TRUE(ring->view()->isVisible()) << "a blank alone opens the list";
    ring->hidePopup();
    QApplication::processEvents();
    EXPECT_EQ(gezeigt(), "1ms");
}

TEST_F(RingTest, GesperrterEintragWirdNichtGewaehlt)
{
    qobject_cast<QStandardItemModel *>(ring->model())->item(8)->setEnabled(false);  // 5ms
    ring->setCurrentIndex(0);
    tippen("5");
    EXPECT_EQ(gezeigt(), "50us") << "the disabled 5ms is not taken";
    EXPECT_FALSE(ring->offen());

    // Without the focus (a key sent by a program) a typed choice commits at once.
    fokus(feld);
    QSignalSpy fest(ring, &tk::RingCtrl::festgelegt);
    tippen("2");
    EXPECT_EQ(gezeigt(), "2ms");
    EXPECT_EQ(fest.count(), 1);
    EXPECT_FALSE(ring->offen());
}

// An arrow key sent without the focus, and a choice in the open list,
// commit at once (with the focus, arrows only move until Enter or leaving).
TEST_F(RingTest, OhneFokusOderAusDerListeSofortFestgelegt)
{
    ring->setCurrentIndex(4);
    QSignalSpy fest(ring, &tk::RingCtrl::festgelegt);
    fokus(feld);
    QTest::keyClick(ring, Qt::Key_Down);
    EXPECT_EQ(gezeigt(), "2ms");
    EXPECT_EQ(fest.count(), 1) << "no focus change to wait for";

    fokus(ring);
    ring->showPopup();
    ASSERT_TRUE(ring->view()->isVisible());
    const QModelIndex ziel = ring->model()->index(9, 0);
    ring->view()->setCurrentIndex(ziel);
    QTest::keyClick(ring->view(), Qt::Key_Return);
    EXPECT_EQ(gezeigt(), "10ms");
    EXPECT_EQ(fest.count(), 2) << "a choice in the list is made";
}
