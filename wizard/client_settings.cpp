#include "client_settings.h"

#include "headerpicture.h"
#include "infobox.h"
#include "speakerapi.h"
#include "wizarddata.h"

#include <QDebug>
#include <QGridLayout>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPushButton>

namespace {

// Kept with each request: a later press of SAVE may send another name.
const char sentNameProperty[] = "vantirSentName";

// A text that came from the speaker: shown as it is, never as markup or a link.
QLabel *speakerTextLabel(const QString &text)
{
    QLabel *label = new QLabel;
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    return label;
}

} // namespace

// The speaker and the WLAN are those of the moment the page is built, the ones
// its labels show: later choices on other pages do not redirect the password.
Client_Settings::Client_Settings(QWidget *parent)
    : QDialog(parent), speakerUrl(wizardData.url), ssid(wizardData.ssid)
{
    resize(640, 550);

    QLabel *headerLabel = headerPictureLabel(QStringLiteral(":/GRAFX/Ovix_640px.png"));

    hintLabel = new QLabel(tr("Clicking on SAVE will reboot your\nVANTIR Ovix-Speakers!"));

    backButton = new QPushButton(tr("<< Back"));
    saveButton = new QPushButton(tr("SAVE"));
    // Enter presses SAVE, also while typing in the two fields.
    saveButton->setDefault(true);
    saveButton->setEnabled(false);

    connect(saveButton, SIGNAL(clicked()), this, SLOT(setSSID()));
    connect(backButton, SIGNAL(clicked()), this, SLOT(close()));

    // The speaker's details are copied once; later answers do not change them.
    QGridLayout *layout = new QGridLayout;
    layout->addWidget(headerLabel, 0, 0, 1, 4);
    layout->addWidget(new QLabel(tr("Model:")), 1, 0, 1, 1);
    layout->addWidget(speakerTextLabel(wizardData.model), 1, 1, 1, 3);
    layout->addWidget(new QLabel(tr("Name:")), 2, 0, 1, 1);
    nameEdit = new QLineEdit(tr("VANTIR Ovix"));
    layout->addWidget(nameEdit, 2, 1, 1, 3);
    layout->addWidget(new QLabel(tr("WLAN:")), 3, 0, 1, 1);
    layout->addWidget(speakerTextLabel(ssid), 3, 1, 1, 3);
    passwordEdit = new QLineEdit;
    layout->addWidget(new QLabel(tr("Passwd:")), 4, 0, 1, 1);
    layout->addWidget(passwordEdit, 4, 1, 1, 3);
    layout->addWidget(new QLabel(tr("IP Addr:")), 6, 0, 1, 1);
    layout->addWidget(speakerTextLabel(wizardData.ip), 6, 1, 1, 3);
    layout->addWidget(new QLabel(tr("Vers:")), 7, 0, 1, 1);
    layout->addWidget(speakerTextLabel(wizardData.softwareVer), 7, 1, 1, 3);
    layout->addWidget(hintLabel, 8, 0, 1, 4);
    layout->addWidget(backButton, 9, 2, 1, 1);
    layout->addWidget(saveButton, 9, 3, 1, 1);
    setLayout(layout);

    setWindowTitle(tr("Speaker WLAN Settings"));
    saveButton->setEnabled(true);
}

void Client_Settings::replyFinished(QNetworkReply *reply)
{
    const QByteArray body = SpeakerApi::readReply(reply, "reply received");
    QString text;
    switch (SpeakerApi::readSetconfigAnswer(SpeakerApi::transferOf(reply), body)) {
    case SpeakerApi::SaveOutcome::Saved:
        hide();
        text = tr("Success");
        emit settingsSaved(reply->manager()->property(sentNameProperty).toString());
        break;
    // SAVE stays available, to correct the settings and send them again.
    case SpeakerApi::SaveOutcome::Refused:
        text = tr("The speaker refused the settings.\nPlease check them and press SAVE again.");
        break;
    case SpeakerApi::SaveOutcome::NoAnswer:
        text = tr("The speaker did not answer.\nIt may have taken the settings and be "
                  "restarting:\nwait a minute and look for it in the speaker list\nbefore you "
                  "try again.");
        break;
    }

    showInfoBox(this, tr("Info"), text, tr("OK"));
}

void Client_Settings::setSSID()
{
    const QString name = nameEdit->text();
    const QString password = passwordEdit->text();

    SpeakerApi::logSetconfig(name, password, ssid);
    QNetworkAccessManager *manager =
        SpeakerApi::postRequest(this, speakerUrl, SpeakerApi::setconfigBody(name, password, ssid));
    manager->setProperty(sentNameProperty, name);
}
