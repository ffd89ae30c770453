#ifndef ADDRESSDIALOG_H
#define ADDRESSDIALOG_H

#include "bonjourrecord.h"
#include "speakerreach.h"
#include "waits.h"

#include <QDialog>
#include <QStringList>

class AnnouncedLabel;
class BusyIndicator;
class QLineEdit;
class QPushButton;
class QStringListModel;

// Asks for a speaker where DNS-SD does not reach it: the user types its address, and the device
// there is asked for its device information. Only a speaker's answer is taken; anything else is
// said here, and the dialog stays open for another address.
class AddressDialog : public QDialog
{
    Q_OBJECT

public:
    // given: the addresses typed earlier in this run, offered again as the user types.
    AddressDialog(const QStringList &given, const NetworkWaits &waits, QWidget *parent = nullptr);

    // Those given, with the ones typed here.
    const QStringList &givenAddresses() const { return given; }

    // When the address has no port of its own.
    static const quint16 DefaultPort = 80;

signals:
    // record: the speaker as the list shows it (SpeakerTarget::addressRecord()).
    void speakerFound(const BonjourRecord &record);

private slots:
    void askAddress();
    void readAnswer(const ReachResult &result);

private:
    void showAnswer(const QString &text);

    const NetworkWaits waits;
    QStringList given;
    QStringListModel *givenModel;
    QLineEdit *addressEdit;
    QPushButton *addButton;
    AnnouncedLabel *answerLabel;
    BusyIndicator *askIndicator;
    SpeakerReach *reach = nullptr; // while the address is asked
    QString askedHost;
    quint16 askedPort = 0;
    QString askedText; // the address as the answers name it
};

#endif // ADDRESSDIALOG_H
