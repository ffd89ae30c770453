#include "client_settings.h"

#include "accessible.h"
#include "busyindicator.h"
#include "headerpicture.h"
#include "knownwlans.h"
#include "settingssave.h"
#include "wizarddata.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QDebug>
#include <QGridLayout>
#include <QHBoxLayout>
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
Client_Settings::Client_Settings(QWidget *parent, WlanEntry entry, const NetworkWaits &waits)
    : QDialog(parent), ssidEdit(nullptr), securityBox(nullptr), saveDeadline(waits.requestDeadline),
      speakerUrl(wizardData.url), listedName(wizardData.listedName),
      ssid(entry == WlanEntry::Chosen ? wizardData.ssid : QString()),
      encryptType(wizardData.encryptType), device(deviceOf(wizardData)), saving(false)
{
    resize(640, 550);

    QLabel *headerLabel =
        headerPictureLabel(QStringLiteral("Ovix"), tr("The front of a VANTIR speaker"));

    hintLabel = new QLabel(tr("Clicking on SAVE will reboot your\nVANTIR Ovix-Speakers!"));

    backButton = new QPushButton(tr("<< Back"));
    saveButton = new QPushButton(tr("SAVE"));
    // Enter presses SAVE, also while typing in the fields.
    saveButton->setDefault(true);
    saveButton->setEnabled(false);

    connect(saveButton, SIGNAL(clicked()), this, SLOT(setSSID()));
    connect(backButton, SIGNAL(clicked()), this, SLOT(close()));

    // Which speaker the page is for, by its name on the speaker list.
    QVBoxLayout *top = new QVBoxLayout;
    top->addWidget(headerLabel);
    top->addWidget(speakerTextLabel(tr("Speaker: %1").arg(wizardData.listedName)));
    // The user has to know before SAVE: the settings may reach no speaker, or another one.
    speakerGoneLabel = new AnnouncedLabel(Urgency::Urgent);
    speakerGoneLabel->hide();
    top->addWidget(speakerGoneLabel);

    // The WLAN of the last speaker saved: a typed one is offered to the next "Other network…".
    const SentWlan &saved = wizardData.savedWlan;
    const bool offerTyped = entry == WlanEntry::Typed && saved.typed;

    // The speaker's details are copied once; later answers do not change them.
    QGridLayout *layout = new QGridLayout;
    int row = 0;
    layout->addLayout(top, row++, 0, 1, 4);
    QLabel *label = new QLabel(tr("Model:"));
    layout->addWidget(label, row, 0, 1, 1);
    layout->addWidget(valueLabel(label, wizardData.model), row++, 1, 1, 3);
    // The speaker keeps its own name unless the user gives another: a fixed default
    // would give every speaker of a home the same one.
    nameEdit =
        new QLineEdit(wizardData.name.trimmed().isEmpty() ? tr("VANTIR Ovix") : wizardData.name);
    layout->addWidget(fieldLabel(tr("Name:"), nameEdit), row, 0, 1, 1);
    layout->addWidget(nameEdit, row++, 1, 1, 3);
    if (entry == WlanEntry::Chosen) {
        label = new QLabel(tr("WLAN:"));
        layout->addWidget(label, row, 0, 1, 1);
        layout->addWidget(valueLabel(label, ssid), row++, 1, 1, 3);
    } else {
        ssidEdit = new QLineEdit(offerTyped ? saved.ssid : QString());
        layout->addWidget(fieldLabel(tr("WLAN:"), ssidEdit), row, 0, 1, 1);
        layout->addWidget(ssidEdit, row++, 1, 1, 3);
        securityBox = new QComboBox;
        securityBox->addItem(tr("WPA/WPA2/WPA3 Personal"), QStringLiteral("WPA"));
        securityBox->addItem(tr("Open"), QStringLiteral("NONE"));
        if (offerTyped)
            securityBox->setCurrentIndex(qMax(0, securityBox->findData(saved.encryptType)));
        layout->addWidget(fieldLabel(tr("Security:"), securityBox), row, 0, 1, 1);
        layout->addWidget(securityBox, row++, 1, 1, 3);
    }
    // The password of the last speaker saved into this WLAN, so that it is typed once.
    const bool offerPassword =
        entry == WlanEntry::Chosen ? !saved.isEmpty() && saved.ssid == ssid : offerTyped;
    passwordEdit = new QLineEdit(offerPassword ? saved.password : QString());
    // Shown as typed at first: a password that the user cannot see is mistyped unseen. One that
    // the user masked stays masked for the next speaker.
    showPasswordBox = new QCheckBox(tr("Show password"));
    showPasswordBox->setChecked(!offerPassword || saved.password.isEmpty() || saved.passwordShown);
    showPassword(showPasswordBox->isChecked());
    layout->addWidget(fieldLabel(tr("Passwd:"), passwordEdit), row, 0, 1, 1);
    layout->addWidget(passwordEdit, row, 1, 1, 2);
    layout->addWidget(showPasswordBox, row++, 3, 1, 1);
    computerPasswordButton = new QPushButton(tr("Use this computer's password"));
    computerPasswordButton->hide();
    // Something to act on: the user has to type the password after all.
    computerPasswordLabel = new AnnouncedLabel(Urgency::Urgent);
    computerPasswordLabel->hide();
    QHBoxLayout *computerPassword = new QHBoxLayout;
    computerPassword->addWidget(computerPasswordButton);
    computerPassword->addWidget(computerPasswordLabel, 1);
    computerPassword->addStretch();
    layout->addLayout(computerPassword, row++, 1, 1, 3);
    problemLabel = new QLabel;
    // A line that says why SAVE is not available must not widen the page.
    problemLabel->setWordWrap(true);
    layout->addWidget(problemLabel, row++, 1, 1, 3);
    label = new QLabel(tr("IP Addr:"));
    layout->addWidget(label, row, 0, 1, 1);
    layout->addWidget(valueLabel(label, wizardData.ip), row++, 1, 1, 3);
    label = new QLabel(tr("Vers:"));
    layout->addWidget(label, row, 0, 1, 1);
    layout->addWidget(valueLabel(label, wizardData.softwareVer), row++, 1, 1, 3);
    layout->addWidget(hintLabel, row++, 0, 1, 4);
    // Said before SAVE, as the speaker cannot be seen coming back from there.
    networkLabel = new AnnouncedLabel(Urgency::Polite);
    networkLabel->hide();
    layout->addWidget(networkLabel, row++, 0, 1, 4);
    busyIndicator = new BusyIndicator(tr("Sending the settings to the speaker…"),
                                      tr("Waiting for the speaker's answer"));
    layout->addWidget(busyIndicator, row, 0, 1, 2);
    layout->addWidget(backButton, row, 2, 1, 1);
    layout->addWidget(saveButton, row, 3, 1, 1);
    setLayout(layout);
    giveAccessKeys({ saveButton, backButton, nameEdit, ssidEdit, securityBox, passwordEdit,
                     showPasswordBox, computerPasswordButton });

    setWindowTitle(tr("Speaker WLAN Settings"));
    connect(nameEdit, SIGNAL(textChanged(QString)), this, SLOT(updateSaveButton()));
    connect(passwordEdit, SIGNAL(textChanged(QString)), this, SLOT(updateSaveButton()));
    connect(showPasswordBox, SIGNAL(toggled(bool)), this, SLOT(showPassword(bool)));
    connect(computerPasswordButton, SIGNAL(clicked()), this, SLOT(readComputerPassword()));
    if (ssidEdit) {
        // A password being read for the WLAN typed before is not this one's.
        connect(ssidEdit, &QLineEdit::textChanged, this, [this] { delete passwordRequest; });
        connect(ssidEdit, SIGNAL(textChanged(QString)), this, SLOT(updatePasswordControls()));
        connect(ssidEdit, SIGNAL(textChanged(QString)), this, SLOT(updateNetworkLine()));
        connect(securityBox, SIGNAL(currentIndexChanged(int)), this,
                SLOT(updatePasswordControls()));
    }
    if (knownWlans) {
        connect(knownWlans, SIGNAL(ready()), this, SLOT(updatePasswordControls()));
        connect(knownWlans, SIGNAL(ready()), this, SLOT(updateNetworkLine()));
    }
    updatePasswordControls();
    updateNetworkLine();
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
    case SpeakerApi::SaveOutcome::OtherDevice:
        text = tr("The settings were not sent: the device at the speaker's address is no longer "
                  "the speaker chosen. Choose the speaker again in the speaker list.");
        break;
    }
    return text;
}

void Client_Settings::setSpeakerAnnounced(bool announced)
{
    speakerGoneLabel->setText(
        announced ? QString() : tr("The speaker \"%1\" is no longer announced.").arg(listedName));
    speakerGoneLabel->setVisible(!announced);
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
    settings.ssid = currentSsid();
    settings.before = device;
    SentWlan wlan;
    wlan.ssid = settings.ssid;
    // An open WLAN takes no password, whatever the field held before "Open" was chosen.
    wlan.password = isOpen() ? QString() : passwordEdit->text();
    wlan.encryptType = currentEncryptType();
    wlan.typed = ssidEdit != nullptr;
    wlan.passwordShown = showPasswordBox->isChecked();
    SettingsSave *save = new SettingsSave(speakerUrl, settings, wlan.password, saveDeadline, this);
    connect(save, &SettingsSave::answered, this, &Client_Settings::endSave);
    // Kept for the next speaker once this one has taken it, also when the page has gone by then.
    connect(save, &SettingsSave::saved, save, [wlan] { wizardData.savedWlan = wlan; });
    // A password still being read would land after the values were sent.
    delete passwordRequest;
    saving = true;
    saveButton->setEnabled(false);
    backButton->setEnabled(false);
    updatePasswordControls();
    busyIndicator->start();
    emit saveStarted(save);
}

void Client_Settings::endSave(SpeakerApi::SaveOutcome outcome)
{
    saving = false;
    busyIndicator->stop();
    backButton->setEnabled(true);
    updatePasswordControls();
    if (outcome == SpeakerApi::SaveOutcome::Saved)
        hide();
}

QString Client_Settings::currentSsid() const
{
    return ssidEdit ? ssidEdit->text() : ssid;
}

bool Client_Settings::isOpen() const
{
    return securityBox && securityBox->currentData().toString() == QLatin1String("NONE");
}

QString Client_Settings::currentEncryptType() const
{
    return securityBox ? securityBox->currentData().toString() : encryptType;
}

void Client_Settings::updateSaveButton()
{
    const SpeakerApi::SettingsProblem problem = SpeakerApi::checkSettings(
        nameEdit->text(), isOpen() ? QString() : passwordEdit->text(), currentEncryptType());
    const SpeakerApi::SsidProblem ssidProblem =
        ssidEdit ? SpeakerApi::checkSsid(ssidEdit->text()) : SpeakerApi::SsidProblem::None;
    // The first problem in the order of the fields. Limits in bytes, as the speaker counts them,
    // told in characters, as the user counts them.
    const bool nameProblem = problem == SpeakerApi::SettingsProblem::BlankName ||
        problem == SpeakerApi::SettingsProblem::NameControlCharacter ||
        problem == SpeakerApi::SettingsProblem::NameBlankEdges ||
        problem == SpeakerApi::SettingsProblem::NameTooLong;
    if (!nameProblem && ssidProblem == SpeakerApi::SsidProblem::Missing) {
        problemLabel->setText(tr("Enter the name of the WLAN."));
    } else if (!nameProblem && ssidProblem == SpeakerApi::SsidProblem::TooLong) {
        problemLabel->setText(tr("The name of the WLAN is too long: at most 32 characters, and "
                                 "letters such as ä count twice."));
    } else {
        switch (problem) {
        case SpeakerApi::SettingsProblem::None:
            problemLabel->clear();
            break;
        case SpeakerApi::SettingsProblem::BlankName:
            problemLabel->setText(tr("Enter a name for the speaker."));
            break;
        case SpeakerApi::SettingsProblem::NameControlCharacter:
            problemLabel->setText(tr("The name contains %1, which is not allowed.")
                                      .arg(characterText(nameEdit->text())));
            break;
        case SpeakerApi::SettingsProblem::NameBlankEdges:
            problemLabel->setText(tr("The name must not start or end with a space."));
            break;
        case SpeakerApi::SettingsProblem::NameTooLong:
            problemLabel->setText(tr(
                "The name is too long: at most 63 characters, and letters such as ä count twice."));
            break;
        case SpeakerApi::SettingsProblem::PasswordControlCharacter:
            problemLabel->setText(tr("The password contains %1, which is not allowed.")
                                      .arg(characterText(passwordEdit->text())));
            break;
        case SpeakerApi::SettingsProblem::WpaPasswordTooShort:
            problemLabel->setText(tr("The password of this WLAN is too short: at least 8 "
                                     "characters, or 64 hexadecimal digits."));
            break;
        case SpeakerApi::SettingsProblem::WpaPasswordTooLong:
            problemLabel->setText(tr("The password of this WLAN is too long: at most 63 characters "
                                     "(letters such as ä count twice), or 64 hexadecimal digits."));
            break;
        case SpeakerApi::SettingsProblem::PasswordMissing:
            problemLabel->setText(tr("Enter the password of this WLAN."));
            break;
        }
    }
    // Heard in the field it is about, where the user types.
    QLineEdit *about = passwordEdit;
    if (nameProblem)
        about = nameEdit;
    else if (ssidProblem != SpeakerApi::SsidProblem::None)
        about = ssidEdit;
    for (QLineEdit *field : { nameEdit, ssidEdit, passwordEdit }) {
        if (field)
            setDescription(field, field == about ? problemLabel->text() : QString());
    }
    saveButton->setEnabled(!saving && problem == SpeakerApi::SettingsProblem::None &&
                           ssidProblem == SpeakerApi::SsidProblem::None);
}

// The control character in text that the rule refuses, as the user knows it: what pasting
// brings is named, any other by its code.
QString Client_Settings::characterText(const QString &text)
{
    const int at = SpeakerApi::controlCharacterAt(text);
    const ushort code = at < 0 ? 0 : text.at(at).unicode();
    if (code == '\n' || code == '\r')
        return tr("a line break");
    if (code == '\t')
        return tr("a tab");
    return tr("the character %1")
        .arg(QStringLiteral("U+%1").arg(code, 4, 16, QLatin1Char('0')).toUpper());
}

// Unchecked, the field masks the password, and screen readers take it for a password field.
void Client_Settings::showPassword(bool shown)
{
    passwordEdit->setEchoMode(shown ? QLineEdit::Normal : QLineEdit::Password);
    QAccessible::State changed;
    changed.passwordEdit = true;
    QAccessibleStateChangeEvent event(passwordEdit, changed);
    QAccessible::updateAccessibility(&event);
}

// Asks NetworkManager for the password of this one WLAN, now that the user wants it; once,
// however often it is pressed meanwhile.
void Client_Settings::readComputerPassword()
{
    if (passwordRequest || saving)
        return;
    showPasswordReadable();
    if (!knownWlans) {
        showPasswordUnreadable();
        return;
    }
    passwordRequest = knownWlans->readPassword(currentSsid(), this);
    // The password goes into the field and nowhere else.
    connect(passwordRequest, &PasswordRequest::passwordRead, this, [this](const QString &password) {
        passwordRequest.clear();
        passwordEdit->setText(password);
        updatePasswordControls();
    });
    connect(passwordRequest, &PasswordRequest::passwordUnreadable, this, [this] {
        passwordRequest.clear();
        showPasswordUnreadable();
        updatePasswordControls();
    });
    updatePasswordControls();
}

// No line while the password may yet be read.
void Client_Settings::showPasswordReadable()
{
    computerPasswordLabel->clear();
    computerPasswordLabel->hide();
}

void Client_Settings::showPasswordUnreadable()
{
    computerPasswordLabel->setText(
        tr("The password could not be read on this computer. Please type it in."));
    computerPasswordLabel->show();
}

// The password field and its helpers follow the WLAN: none for an open one, this computer's
// password only for a WLAN that it knows with one.
void Client_Settings::updatePasswordControls()
{
    const QString wlan = currentSsid();
    const bool open = isOpen();
    // An open WLAN has no password: the field shows none, as none is sent.
    if (open) {
        delete passwordRequest;
        passwordEdit->clear();
    }
    passwordEdit->setEnabled(!open);
    showPasswordBox->setEnabled(!open);
    const bool known =
        !open && knownWlans && !wlan.isEmpty() && knownWlans->wlan(wlan).hasPassword();
    computerPasswordButton->setVisible(known);
    // Not disabled while the password is read: the keyboard's focus stays where the user is.
    computerPasswordButton->setEnabled(known && !saving);
    if (!known)
        showPasswordReadable();
    updateSaveButton();
}

// Nothing is said where NetworkManager tells nothing of this computer's WLAN.
void Client_Settings::updateNetworkLine()
{
    const QString wlan = currentSsid();
    const QString other =
        knownWlans && !wlan.isEmpty() ? knownWlans->otherConnectedWlan(wlan) : QString();
    networkLabel->setText(other.isEmpty()
                              ? QString()
                              : tr("This computer is on the WLAN \"%1\", not on \"%2\": the "
                                   "speaker can be seen coming back only while this computer is "
                                   "on \"%2\" too.")
                                    .arg(other, wlan));
    networkLabel->setVisible(!other.isEmpty());
}
