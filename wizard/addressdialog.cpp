#include "addressdialog.h"

#include "accessible.h"
#include "busyindicator.h"
#include "speakerargument.h"
#include "speakertarget.h"

#include <QCompleter>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QStringListModel>

AddressDialog::AddressDialog(const QStringList &given, const NetworkWaits &waits, QWidget *parent)
    : QDialog(parent), waits(waits), given(given)
{
    setWindowTitle(tr("Add a speaker by its address"));

    addressEdit = new QLineEdit(this);
    givenModel = new QStringListModel(given, this);
    addressEdit->setCompleter(new QCompleter(givenModel, addressEdit));
    setDescription(addressEdit,
                   tr("An IPv4 or IPv6 address or a host name, with \":PORT\" when the speaker "
                      "does not answer on port 80."));

    // Answers name addresses and host names as typed: plain text, never markup.
    answerLabel = new AnnouncedLabel(Urgency::Urgent, this);
    answerLabel->hide();
    askIndicator = new BusyIndicator(QString(), tr("Waiting for the device at the address"), this);

    QDialogButtonBox *buttons = new QDialogButtonBox(this);
    addButton = buttons->addButton(tr("Add"), QDialogButtonBox::AcceptRole);
    addButton->setDefault(true);
    QPushButton *cancelButton = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    // Not accept(): the dialog closes only once a speaker has answered.
    connect(addButton, &QPushButton::clicked, this, &AddressDialog::askAddress);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    QGridLayout *layout = new QGridLayout;
    layout->addWidget(fieldLabel(tr("Address:"), addressEdit), 0, 0);
    layout->addWidget(addressEdit, 0, 1);
    layout->addWidget(askIndicator, 1, 0, 1, 2);
    layout->addWidget(answerLabel, 2, 0, 1, 2);
    layout->addWidget(buttons, 3, 0, 1, 2);
    layout->setColumnStretch(1, 1);
    setLayout(layout);
    giveAccessKeys({ addressEdit, addButton, cancelButton });
    resize(420, sizeHint().height());
}

void AddressDialog::askAddress()
{
    if (reach)
        return;
    const QString typed = addressEdit->text().trimmed();
    SpeakerArgument address;
    if (!SpeakerArgument::parseAddress(typed, DefaultPort, &address)) {
        showAnswer(tr("\"%1\" is not an address. Type an IPv4 or IPv6 address or a host name, "
                      "optionally followed by \":\" and a port from 1 to 65535.")
                       .arg(typed));
        return;
    }
    if (!given.contains(typed)) {
        given.prepend(typed);
        givenModel->setStringList(given);
    }

    askedHost = address.host;
    askedPort = address.port;
    askedText = SpeakerTarget::addressRecord(QString(), askedHost, askedPort).domain;
    showAnswer(QString());
    askIndicator->setText(tr("Asking %1…").arg(askedText));
    askIndicator->start();
    addButton->setEnabled(false);
    // Its answer is read as a speaker's first answer is.
    reach =
        new SpeakerReach(SpeakerTarget::address(askedHost, askedPort), ReachOptions(waits), this);
    connect(reach, &SpeakerReach::finished, this, &AddressDialog::readAnswer);
    reach->start();
}

void AddressDialog::readAnswer(const ReachResult &result)
{
    reach->deleteLater();
    reach = nullptr;
    askIndicator->stop();
    addButton->setEnabled(true);
    // Any JSON object passes as an answer; a speaker's tells what it is.
    const bool speaker = !result.device.name.isEmpty() || !result.device.model.isEmpty();
    switch (result.problem) {
    case ReachProblem::ResolveFailed:
    case ReachProblem::NoAddress:
        showAnswer(tr("The name \"%1\" is not known on this network.").arg(askedHost));
        return;
    case ReachProblem::NotSent:
    case ReachProblem::NoAnswer:
        showAnswer(tr("No answer from %1. Check the address and that the speaker is switched "
                      "on; a firewall or a guest WLAN may also keep it out of reach.")
                       .arg(askedText));
        return;
    case ReachProblem::None:
        if (speaker)
            break;
        Q_FALLTHROUGH();
    case ReachProblem::Unusable:
    case ReachProblem::TooLarge:
        showAnswer(tr("The device at %1 answers, but not as a VANTIR speaker.").arg(askedText));
        return;
    }
    // Listed under the name it tells, else under its address.
    const QString name = result.device.name.isEmpty() ? askedText : result.device.name;
    emit speakerFound(SpeakerTarget::addressRecord(name, askedHost, askedPort));
    accept();
}

void AddressDialog::showAnswer(const QString &text)
{
    answerLabel->setText(text);
    answerLabel->setVisible(!text.isEmpty());
}
