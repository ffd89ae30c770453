// The line under the speaker list, on the private network of tools/dnssd-net: its avahi-daemon
// announces nothing, and its system bus has neither NetworkManager nor firewalld.

#include "accessible.h"
#include "emptylisthint.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

namespace {

const QString silence = QStringLiteral(
    "This computer hears no DNS-SD announcements from its network at all: a firewall may block "
    "UDP port 5353, or the WLAN keeps its devices apart, as guest networks do.");
const QString noSearch = QStringLiteral(
    "The search for speakers is not available: this computer's DNS-SD service (avahi-daemon) does "
    "not answer. Start it, for example with \"sudo systemctl start avahi-daemon\", and the list "
    "fills by itself.");
// Longer than any test: the line comes only when asked.
const std::chrono::hours never(1);
const int foundTimeout = 20000;

EmptyListWaits waitsFor(std::chrono::milliseconds listWait)
{
    EmptyListWaits waits;
    waits.listWait = listWait;
    waits.listenTime = std::chrono::seconds(1);
    return waits;
}

} // namespace

class tst_EmptyListHint : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void explains_data();
    void explains();
    void listedMeanwhile();
    void searchUnavailable();

private:
    static QString line(const EmptyListHint &hint)
    {
        const AnnouncedLabel *label = hint.findChild<AnnouncedLabel *>();
        return label->isVisible() ? label->text() : QString();
    }
};

void tst_EmptyListHint::initTestCase()
{
    if (qEnvironmentVariableIsEmpty("DBUS_SYSTEM_BUS_ADDRESS"))
        QSKIP("needs the private network (run through tools/dnssd-net)");
}

void tst_EmptyListHint::explains_data()
{
    QTest::addColumn<bool>("ask");
    QTest::newRow("after the list wait") << false;
    QTest::newRow("asked at once") << true;
}

// The line comes once the list has stayed empty for its wait, or at once when asked; the button
// asks one question at a time.
void tst_EmptyListHint::explains()
{
    QFETCH(bool, ask);
    EmptyListHint hint(
        QStringLiteral("Why is no speaker listed?"),
        waitsFor(ask ? std::chrono::milliseconds(never) : std::chrono::milliseconds(100)));
    hint.show();
    QVERIFY(hint.askButton()->isVisible());
    QVERIFY(hint.askButton()->isEnabled());
    QCOMPARE(line(hint), QString());
    if (ask) {
        hint.askButton()->click();
        QVERIFY(!hint.askButton()->isEnabled());
    }
    QTRY_COMPARE_WITH_TIMEOUT(line(hint), silence, foundTimeout);
    QCOMPARE(hint.findChild<AnnouncedLabel *>()->urgency(), Urgency::Polite);
    QVERIFY(hint.askButton()->isVisible());
    QVERIFY(hint.askButton()->isEnabled());
}

// A speaker listed while the question runs: its answer is not shown; an empty list again is
// waited for anew.
void tst_EmptyListHint::listedMeanwhile()
{
    EmptyListHint hint(QStringLiteral("Why is no speaker listed?"), waitsFor(never));
    hint.show();
    QSignalSpy found(hint.findChild<EmptyListCheck *>(), &EmptyListCheck::found);
    hint.askButton()->click();
    hint.setListEmpty(false);
    QVERIFY(!hint.askButton()->isVisible());
    QVERIFY(found.wait(foundTimeout));
    QCOMPARE(line(hint), QString());

    hint.setListEmpty(true);
    QVERIFY(hint.askButton()->isVisible());
    QVERIFY(hint.askButton()->isEnabled());
    QCOMPARE(line(hint), QString());
}

// Said at once and urgently, over rows that wait for the search; nothing to ask meanwhile.
void tst_EmptyListHint::searchUnavailable()
{
    EmptyListHint hint(QStringLiteral("Why is no speaker listed?"),
                       waitsFor(std::chrono::milliseconds(100)));
    hint.show();
    hint.setListEmpty(false);
    hint.setSearchUnavailable(true);
    QCOMPARE(line(hint), noSearch);
    QCOMPARE(hint.findChild<AnnouncedLabel *>()->urgency(), Urgency::Urgent);
    QVERIFY(!hint.askButton()->isVisible());
    hint.setListEmpty(true);
    QCOMPARE(line(hint), noSearch);
    QVERIFY(!hint.askButton()->isVisible());

    hint.setSearchUnavailable(false);
    QCOMPARE(line(hint), QString());
    QVERIFY(hint.askButton()->isVisible());
    // The empty list's wait starts again.
    QTRY_COMPARE_WITH_TIMEOUT(line(hint), silence, foundTimeout);
}

QTEST_MAIN(tst_EmptyListHint)
#include "tst_emptylisthint.moc"
