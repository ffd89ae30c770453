#ifndef CATALOGUEENTRIES_H
#define CATALOGUEENTRIES_H

struct Entry
{
    const char *context;
    const char *source;
    const char *english;
    const char *german;
};

// What the pages look up and what each catalogue must answer, byte for byte
// (UTF-8). Each page's group ends with the texts of its failure boxes, if it has any.
inline const Entry entries[] = {
    { "Client", "<< Back", "< Back", "< Zurück" },
    { "Client", "VANTIR Ovix Configurator", "VANTIR Ovix Configurator",
      "VANTIR Ovix Konfigurator" },
    { "Client", "Available VANTIR Speakers", "Available VANTIR Speakers",
      "Verfügbare VANTIR Lautsprecher" },
    { "Client", "Next >>", "Next >", "Weiter >" },
    { "Client", "Quit", "Quit", "Beenden" },
    { "Client", "The Speakers and your\ndevice have to be in\nthe same WLAN!",
      "The Speakers and your\ndevice have to be in\nthe same WLAN!",
      "Die Lautsprecher und\nIhr Mobilgerät müssen\nim selben WLAN sein!\n" },
    // Shown when a speaker cannot be resolved or the DNS-SD service does not answer.
    { "Client", "Info", "Info", "Info" },
    { "Client", "The speaker could not be reached.\nPlease try again.",
      "The speaker could not be reached.\nPlease try again.",
      "Der Lautsprecher war nicht erreichbar.\nBitte versuchen Sie es noch einmal." },
    { "Client",
      "The search for speakers is not available: this computer's DNS-SD service (%1) does not "
      "answer.\nStart it, and the list fills by itself.",
      "The search for speakers is not available: this computer's DNS-SD service (%1) does not "
      "answer.\nStart it, and the list fills by itself.",
      "Die Suche nach Lautsprechern ist nicht verfügbar: Der DNS-SD-Dienst dieses Computers (%1) "
      "antwortet nicht.\nStarten Sie ihn, dann füllt sich die Liste von selbst." },
    // How a saved speaker came back, or that it did not.
    { "Client", "The speaker \"%1\" is back on the network under its new name, IP address %2.",
      "The speaker \"%1\" is back on the network under its new name, IP address %2.",
      "Der Lautsprecher „%1“ ist unter seinem neuen Namen wieder im Netzwerk, IP-Adresse %2." },
    { "Client", "The speaker \"%1\" came back but kept its old name: the settings did not take.",
      "The speaker \"%1\" came back but kept its old name: the settings did not take.",
      "Der Lautsprecher „%1“ ist zurück, hat aber seinen alten Namen behalten: Die Einstellungen "
      "wurden nicht übernommen." },
    { "Client",
      "The speaker \"%1\" has not come back on the network.\n\nPlease check:\n- the WLAN password: "
      "a wrong password is the usual cause;\n- that this computer is on the home WLAN now: if it "
      "was joined to the speaker's own network, join the home WLAN again;\n- a speaker that joined "
      "no network must be reset and set up again.",
      "The speaker \"%1\" has not come back on the network.\n\nPlease check:\n- the WLAN password: "
      "a wrong password is the usual cause;\n- that this computer is on the home WLAN now: if it "
      "was joined to the speaker's own network, join the home WLAN again;\n- a speaker that joined "
      "no network must be reset and set up again.",
      "Der Lautsprecher „%1“ ist nicht ins Netzwerk zurückgekehrt.\n\nBitte prüfen Sie:\n- das "
      "WLAN-Passwort: Ein falsches Passwort ist die häufigste Ursache;\n- dass dieser Computer "
      "jetzt im Heim-WLAN ist: War er mit dem eigenen Netzwerk des Lautsprechers verbunden, "
      "verbinden Sie ihn wieder mit dem Heim-WLAN;\n- ein Lautsprecher, der keinem Netzwerk "
      "beigetreten ist, muss zurückgesetzt und neu eingerichtet werden." },
    { "Client_Settings", "<< Back", "< Back", "< Zurück" },
    { "Client_Settings", "VANTIR Ovix", "VANTIR Ovix", "VANTIR Ovix" },
    { "Client_Settings", "Clicking on SAVE will reboot your\nVANTIR Ovix-Speakers!",
      "Clicking on SAVE will reboot your\nVANTIR Ovix-Speakers!",
      "Klicken auf OK lässt Ihre\nVANTIR Ovixs neu starten!" },
    { "Client_Settings", "IP Addr:", "IP Addr:", "IP Addr:" },
    { "Client_Settings", "Info", "Info", "Info" },
    { "Client_Settings", "Model:", "Model:", "Modell:" },
    { "Client_Settings", "Name:", "Name:", "Name:" },
    { "Client_Settings", "OK", "OK", "OK" },
    { "Client_Settings", "Passwd:", "Passwd:", "Passwd:" },
    { "Client_Settings", "SAVE", "SAVE", "OK" },
    { "Client_Settings", "Speaker WLAN Settings", "Speaker WLAN Settings", "WLAN Einstellungen" },
    { "Client_Settings", "Success",
      "Success!\n\nYour VANTIR Speakers are booting\nand will be available in a minute...",
      "Erfolg!\nIhr VANTIR Lautsprecher starten neu\nund sind in einer Minute "
      "verfügbar...\n" },
    { "Client_Settings", "Vers:", "Vers:", "Vers:" },
    { "Client_Settings", "WLAN:", "WLAN:", "WLAN:" },
    { "Client_Settings",
      "The speaker refused the settings.\nPlease check them and press SAVE again.",
      "The speaker refused the settings.\nPlease check them and press SAVE again.",
      "Der Lautsprecher hat die Einstellungen abgelehnt.\nBitte prüfen Sie sie und klicken Sie "
      "erneut auf OK." },
    { "Client_Settings",
      "The speaker did not answer.\nIt may have taken the settings and be restarting:\nwait a "
      "minute and look for it in the speaker list\nbefore you try again.",
      "The speaker did not answer.\nIt may have taken the settings and be restarting:\nwait a "
      "minute and look for it in the speaker list\nbefore you try again.",
      "Der Lautsprecher hat nicht geantwortet.\nVielleicht hat er die Einstellungen übernommen und "
      "startet neu:\nWarten Sie eine Minute und suchen Sie ihn in der Lautsprecherliste,\nbevor "
      "Sie es erneut versuchen." },
    { "Client_WLANs", "<< Back", "< Back", "< Zurück" },
    { "Client_WLANs", "Info", "Info", "Info" },
    { "Client_WLANs", "Next >>", "Next >", "Weiter >" },
    { "Client_WLANs", "No Speakers found", "No Speakers found", "Keine Lautsprecher gefunden" },
    { "Client_WLANs", "Please select your private WLAN\n  ", "Please select your private WLAN",
      "Bitte wählen Sie Ihr privates WLAN" },
    { "Client_WLANs", "Reset!", "Reset!", "Reset!" },
    { "Client_WLANs", "SSID", "WLAN", "WLAN" },
    { "Client_WLANs", "Select WLAN", "Select WLAN", "WLAN auswählen" },
    { "Client_WLANs", "Sig", "Sig", "Sig" },
    { "Client_WLANs", "The speaker did not answer.\nPlease go back and try again.",
      "The speaker did not answer.\nPlease go back and try again.",
      "Der Lautsprecher hat nicht geantwortet.\nBitte gehen Sie zurück und versuchen Sie es "
      "erneut." },
    { "Client_WLANs", "The speaker found no WLANs.\nPlease go back and try again.",
      "The speaker found no WLANs.\nPlease go back and try again.",
      "Der Lautsprecher hat kein WLAN gefunden.\nBitte gehen Sie zurück und versuchen Sie es "
      "erneut." },
};

#endif // CATALOGUEENTRIES_H
