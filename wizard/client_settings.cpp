#include "client_settings.h"

#include "accessible.h"
#include "busyindicator.h"
#include "headerpicture.h"
#include "settingssave.h"
#include "wizarddata.h"

#include <QDebug>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// A text that came from the speaker: shown as it is, never as markup or a link.
QLabel *speakerTextLabel(const QString &text)
{
    QLabel *label = new QLabel;
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    return label;
}

SpeakerApi::DeviceInfo deviceOf(const WizardData &data)
{
    SpeakerApi::DeviceInfo device;
    device.name = data.name;
    device.model = data.model;
    device.softwareVer = data.softwareVer;
    device.hardwareVer = data.hardwareVer;
    device.ip = data.ip;
    return device;
}

} // namespace

// The speaker and the WLAN are those of the moment the page is built, the ones
// its labels show: later choices on other pages do not redirect the password.
Client_Settings::Client_Settings(QWidget *parent, const NetworkWaits &waits)
    : QDialog(parent), saveDeadline(waits.requestDeadline), speakerUrl(wizardData.url),
      ssid(wizardData.ssid), encryptType(wizardData.encryptType), device(deviceOf(wizardData)),
      saving(false)
{
    resize(640, 550);

    QLabel *headerLabel =
        headerPictureLabel(QStringLiteral("Ovix"), tr("The front of a VANTIR speaker"));

    hintLabel = new QLabel(tr("Clicking on SAVE will reboot your\nVANTIR Ovix-Speakers!"));

    backButton = new QPushButton(tr("<< Back"));
    saveButton = new QPushButton(tr("SAVE"));
    // Enter presses SAVE, also while typing in the two fields.
    saveButton->setDefault(true);
    saveButton->setEnabled(false);

    connect(saveButton, SIGNAL(clicked()), this, SLOT(setSSID()));
    connect(backButton, SIGNAL(clicked()), this, SLOT(close()));

    // Which speaker the page is for, by its name on the speaker list.
    QVBoxLayout *top = new QVBoxLayout;
    top->addWidget(headerLabel);
    top->addWidget(speakerTextLabel(tr("Speaker: %1").arg(wizardData.listedName)));

    // The speaker's details are copied once; later answers do not change them.
    QGridLayout *layout = new QGridLayout;
    layout->addLayout(top, 0, 0, 1, 4);
    layout->addWidget(new QLabel(tr("Model:")), 1, 0, 1, 1);
    layout->addWidget(speakerTextLabel(wizardData.model), 1, 1, 1, 3);
    // The speaker keeps its own name unless the user gives another: a fixed default
    // would give every speaker of a home the same one.
    nameEdit =
        new QLineEdit(wizardData.name.trimmed().isEmpty() ? tr("VANTIR Ovix") : wizardData.name);
    layout->addWidget(fieldLabel(tr("Name:"), nameEdit), 2, 0, 1, 1);
    layout->addWidget(nameEdit, 2, 1, 1, 3);
    layout->addWidget(new QLabel(tr("WLAN:")), 3, 0, 1, 1);
    layout->addWidget(speakerTextLabel(ssid), 3, 1, 1, 3);
    passwordEdit = new QLineEdit;
    layout->addWidget(fieldLabel(tr("Passwd:"), passwordEdit), 4, 0, 1, 1);
    layout->addWidget(passwordEdit, 4, 1, 1, 3);
    problemLabel = new QLabel;
    // A line that says why SAVE is not available must not widen the page.
    problemLabel->setWordWrap(true);
    layout->addWidget(problemLabel, 5, 1, 1, 3);
    layout->addWidget(new QLabel(tr("IP Addr:")), 6, 0, 1, 1);
    layout->addWidget(speakerTextLabel(wizardData.ip), 6, 1, 1, 3);
    layout->addWidget(new QLabel(tr("Vers:")), 7, 0, 1, 1);
    layout->addWidget(speakerTextLabel(wizardData.softwareVer), 7, 1, 1, 3);
    layout->addWidget(hintLabel, 8, 0, 1, 4);
    busyIndicator = new BusyIndicator(tr("Sending the settings to the speaker…"),
                                      tr("Waiting for the speaker's answer"));
    layout->addWidget(busyIndicator, 9, 0, 1, 2);
    layout->addWidget(backButton, 9, 2, 1, 1);
    layout->addWidget(saveButton, 9, 3, 1, 1);
    setLayout(layout);

    setWindowTitle(tr("Speaker WLAN Settings"));
    connect(nameEdit, SIGNAL(textChanged(QString)), this, SLOT(updateSaveButton()));
    connect(passwordEdit, SIGNAL(textChanged(QString)), this, SLOT(updateSaveButton()));
    updateSaveButton();
}

QString Client_Settings::saveOutcomeText(SpeakerApi::SaveOutcome outcome, const QString &reason)
{
    QString text;
    switch (outcome) {
    case SpeakerApi::SaveOutcome::Saved:
        text = tr("Success");
        break;
    // SAVE stays available, to correct the settings and send them again.
    case SpeakerApi::SaveOutcome::Refused:
        text = reason.isEmpty()
            ? tr("The speaker refused the settings. Check the name and the password, then press "
                 "SAVE again.")
            : tr("The speaker refused the settings (\"%1\"). Check the name and the password, "
                 "then press SAVE again.")
                  .arg(reason);
        break;
    case SpeakerApi::SaveOutcome::Unusable:
        text = tr("The speaker's answer could not be used, so it is not known whether it took "
                  "the settings. Wait a minute and look for it in the speaker list before you "
                  "try again.");
        break;
    case SpeakerApi::SaveOutcome::NoAnswer:
        text = tr("The speaker did not answer. It may have taken the settings and be restarting: "
                  "wait a minute and look for it in the speaker list before you try again.");
        break;
    case SpeakerApi::SaveOutcome::NotSent:
        text = tr("The settings were not sent: the speaker could not be reached, so it is as it "
                  "was. Check that it is switched on and on the same network as this computer, "
                  "then press SAVE again.");
        break;
    case SpeakerApi::SaveOutcome::TooLarge:
        text = tr("The speaker's answer was too large to use, so it is not known whether it took "
                  "the settings. Wait a minute and look for it in the speaker list before you try "
                  "again.");
        break;
    }
    return text;
}

void Client_Settings::reject()
{
    if (!saving)
        QDialog::reject();
}

// The save itself, its answer and its box belong to the SettingsSave, which may outlive the page.
void Client_Settings::setSSID()
{
    SavedSettings settings;
    settings.name = nameEdit->text();
    settings.ssid = ssid;
    settings.before = device;
    SettingsSave *save =
        new SettingsSave(speakerUrl, settings, passwordEdit->text(), saveDeadline, this);
    connect(save, &SettingsSave::answered, this, &Client_Settings::endSave);
    saving = true;
    saveButton->setEnabled(false);
    backButton->setEnabled(false);
    busyIndicator->start();
    emit saveStarted(save);
}

void Client_Settings::endSave(SpeakerApi::SaveOutcome outcome)
{
    saving = false;
    busyIndicator->stop();
    backButton->setEnabled(true);
    updateSaveButton();
    if (outcome == SpeakerApi::SaveOutcome::Saved)
        hide();
}

void Client_Settings::updateSaveButton()
{
    const SpeakerApi::SettingsProblem problem =
        SpeakerApi::checkSettings(nameEdit->text(), passwordEdit->text(), encryptType);
    switch (problem) {
    case SpeakerApi::SettingsProblem::None:
        problemLabel->clear();
        break;
    case SpeakerApi::SettingsProblem::BlankName:
        problemLabel->setText(tr("Enter a name for the speaker."));
        break;
    // Limits in bytes, as the speaker counts them: a letter such as "ä" takes two.
    case SpeakerApi::SettingsProblem::NameTooLong:
        problemLabel->setText(tr("The name is too long: at most 63 bytes, which is fewer "
                                 "characters where letters such as ä are used."));
        break;
    case SpeakerApi::SettingsProblem::WpaPasswordTooShort:
        problemLabel->setText(tr("The password of this WLAN is too short: at least 8 characters, "
                                 "or 64 hexadecimal digits."));
        break;
    case SpeakerApi::SettingsProblem::WpaPasswordTooLong:
        problemLabel->setText(
            tr("The password of this WLAN is too long: at most 63 bytes, which is "
               "fewer characters where letters such as ä are used, or 64 "
               "hexadecimal digits."));
        break;
    case SpeakerApi::SettingsProblem::PasswordMissing:
        problemLabel->setText(tr("Enter the password of this WLAN."));
        break;
    }
    saveButton->setEnabled(!saving && problem == SpeakerApi::SettingsProblem::None);
}
