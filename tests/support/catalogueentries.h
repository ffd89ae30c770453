#ifndef CATALOGUEENTRIES_H
#define CATALOGUEENTRIES_H

#include <QString>

#include <cstring>

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
    // Heard by screen reader users, not shown.
    { "Client", "Speakers on this network", "Speakers on this network",
      "Lautsprecher in diesem Netzwerk" },
    { "Client", "A row of VANTIR speakers", "A row of VANTIR speakers",
      "Eine Reihe VANTIR Lautsprecher" },
    { "Client", "Waiting for the speaker", "Waiting for the speaker",
      "Warten auf den Lautsprecher" },
    // After SAVE: the wait, how a saved speaker came back, and quitting while it is awaited.
    { "Client", "The search for speakers is not available, so the speaker cannot be reached now.",
      "The search for speakers is not available, so the speaker cannot be reached now.",
      "Die Suche nach Lautsprechern ist nicht verfügbar, daher ist der Lautsprecher jetzt nicht "
      "erreichbar." },
    { "Client", "The speaker \"%1\" is no longer announced.",
      "The speaker \"%1\" is no longer announced.",
      "Der Lautsprecher „%1“ meldet sich nicht mehr im Netzwerk." },
    { "Client", "Waiting for saved speakers", "Waiting for saved speakers",
      "Warten auf die eingerichteten Lautsprecher" },
    { "Client", "Waiting for \"%1\" to come back…", "Waiting for \"%1\" to come back…",
      "Warten, bis „%1“ zurückkommt…" },
    { "Client", "Waiting for %1 speakers to come back…", "Waiting for %1 speakers to come back…",
      "Warten, bis %1 Lautsprecher zurückkommen…" },
    { "Client",
      "The configurator is still waiting for the speaker \"%1\" to come back. Quit anyway?",
      "The configurator is still waiting for the speaker \"%1\" to come back. Quit anyway?",
      "Der Konfigurator wartet noch darauf, dass der Lautsprecher „%1“ zurückkommt. Trotzdem "
      "beenden?" },
    { "Client", "The configurator is still waiting for %1 speakers to come back. Quit anyway?",
      "The configurator is still waiting for %1 speakers to come back. Quit anyway?",
      "Der Konfigurator wartet noch darauf, dass %1 Lautsprecher zurückkommen. Trotzdem beenden?" },
    { "Client", "Yes", "Yes", "Ja" },
    { "Client", "No", "No", "Nein" },
    { "Client", "The speaker \"%1\" has not yet answered whether it takes the settings.",
      "The speaker \"%1\" has not yet answered whether it takes the settings.",
      "Der Lautsprecher „%1“ hat noch nicht geantwortet, ob er die Einstellungen übernimmt." },
    { "Client", "The configurator is also waiting for the speaker \"%1\" to come back.",
      "The configurator is also waiting for the speaker \"%1\" to come back.",
      "Außerdem wartet der Konfigurator noch darauf, dass der Lautsprecher „%1“ zurückkommt." },
    { "Client", "The configurator is also waiting for %1 speakers to come back.",
      "The configurator is also waiting for %1 speakers to come back.",
      "Außerdem wartet der Konfigurator noch darauf, dass %1 Lautsprecher zurückkommen." },
    { "Client", "Quit once the answer is in?", "Quit once the answer is in?",
      "Beenden, sobald die Antwort da ist?" },
    { "Client", "Quit once the answers are in?", "Quit once the answers are in?",
      "Beenden, sobald die Antworten da sind?" },
    { "Client", "Quitting once the speaker \"%1\" has answered…",
      "Quitting once the speaker \"%1\" has answered…",
      "Beenden, sobald der Lautsprecher „%1“ geantwortet hat…" },
    { "Client", "Quitting once %1 speakers have answered…",
      "Quitting once %1 speakers have answered…",
      "Beenden, sobald %1 Lautsprecher geantwortet haben…" },
    { "Client", "The speaker \"%1\" is back on the network, on the WLAN \"%2\", IP address %3.",
      "The speaker \"%1\" is back on the network, on the WLAN \"%2\", IP address %3.",
      "Der Lautsprecher „%1“ ist wieder im Netzwerk, im WLAN „%2“, IP-Adresse %3." },
    { "Client",
      "The speaker \"%1\" is back on the network, but on another WLAN: \"%2\" instead of \"%3\". "
      "IP address %4.",
      "The speaker \"%1\" is back on the network, but on another WLAN: \"%2\" instead of \"%3\". "
      "IP address %4.",
      "Der Lautsprecher „%1“ ist wieder im Netzwerk, aber in einem anderen WLAN: „%2“ statt „%3“. "
      "IP-Adresse %4." },
    { "Client",
      "The speaker \"%1\" is back on the network, IP address %2. Whether it joined the WLAN \"%3\" "
      "cannot be told from here.",
      "The speaker \"%1\" is back on the network, IP address %2. Whether it joined the WLAN \"%3\" "
      "cannot be told from here.",
      "Der Lautsprecher „%1“ ist wieder im Netzwerk, IP-Adresse %2. Ob er dem WLAN „%3“ "
      "beigetreten ist, lässt sich von hier aus nicht erkennen." },
    { "Client", "The speaker \"%1\" is back in the list but does not answer.",
      "The speaker \"%1\" is back in the list but does not answer.",
      "Der Lautsprecher „%1“ ist wieder in der Liste, antwortet aber nicht." },
    { "Client",
      "Another device answers under the name \"%1\", at IP address %2: it is not the speaker that "
      "was saved, which is still awaited.",
      "Another device answers under the name \"%1\", at IP address %2: it is not the speaker that "
      "was saved, which is still awaited.",
      "Ein anderes Gerät antwortet unter dem Namen „%1“, IP-Adresse %2: Es ist nicht der "
      "eingerichtete Lautsprecher, auf den weiter gewartet wird." },
    // Shown when a speaker cannot be resolved or the DNS-SD service does not answer.
    { "Client", "Info", "Info", "Info" },
    { "Client",
      "The speaker could not be reached. Check that it is switched on and on the same network as "
      "this computer, then choose it again.",
      "The speaker could not be reached. Check that it is switched on and on the same network as "
      "this computer, then choose it again.",
      "Der Lautsprecher war nicht erreichbar. Prüfen Sie, ob er eingeschaltet und im selben "
      "Netzwerk wie dieser Computer ist, und wählen Sie ihn dann erneut aus." },
    { "Client",
      "The search for speakers is not available: this computer's DNS-SD service (avahi-daemon) "
      "does not answer. Start it, for example with \"sudo systemctl start avahi-daemon\", and the "
      "list fills by itself.",
      "The search for speakers is not available: this computer's DNS-SD service (avahi-daemon) "
      "does not answer. Start it, for example with \"sudo systemctl start avahi-daemon\", and the "
      "list fills by itself.",
      "Die Suche nach Lautsprechern ist nicht verfügbar: Der DNS-SD-Dienst dieses Computers "
      "(avahi-daemon) antwortet nicht. Starten Sie ihn, zum Beispiel mit „sudo systemctl start "
      "avahi-daemon“, dann füllt sich die Liste von selbst." },
    { "Client",
      "The search for speakers is not available: this computer's DNS-SD service (Bonjour) does not "
      "answer. Start the Bonjour service (or install it), and the list fills by itself.",
      "The search for speakers is not available: this computer's DNS-SD service (Bonjour) does not "
      "answer. Start the Bonjour service (or install it), and the list fills by itself.",
      "Die Suche nach Lautsprechern ist nicht verfügbar: Der DNS-SD-Dienst dieses Computers "
      "(Bonjour) antwortet nicht. Starten Sie den Bonjour-Dienst (oder installieren Sie ihn), dann "
      "füllt sich die Liste von selbst." },
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
    // The switch of this computer to a saved speaker's WLAN.
    { "Client", "Switch this computer to \"%1\"", "Switch this computer to \"%1\"",
      "Diesen Computer mit „%1“ verbinden" },
    { "Client", "Switching this computer to the WLAN \"%1\"…",
      "Switching this computer to the WLAN \"%1\"…",
      "Dieser Computer wird mit dem WLAN „%1“ verbunden…" },
    { "Client", "This computer is joining the WLAN \"%1\".",
      "This computer is joining the WLAN \"%1\".",
      "Dieser Computer verbindet sich mit dem WLAN „%1“." },
    { "Client",
      "This computer could not be switched to the WLAN \"%1\": it has no saved connection for it "
      "any more.",
      "This computer could not be switched to the WLAN \"%1\": it has no saved connection for it "
      "any more.",
      "Dieser Computer konnte nicht mit dem WLAN „%1“ verbunden werden: Er hat dafür keine "
      "gespeicherte Verbindung mehr." },
    { "Client",
      "This computer could not be switched to the WLAN \"%1\": NetworkManager did not answer.",
      "This computer could not be switched to the WLAN \"%1\": NetworkManager did not answer.",
      "Dieser Computer konnte nicht mit dem WLAN „%1“ verbunden werden: NetworkManager hat nicht "
      "geantwortet." },
    { "Client", "NetworkManager did not switch this computer to the WLAN \"%1\" (\"%2\").",
      "NetworkManager did not switch this computer to the WLAN \"%1\" (\"%2\").",
      "NetworkManager hat diesen Computer nicht mit dem WLAN „%1“ verbunden („%2“)." },
    { "Client",
      "The speaker \"%1\" has not come back on the network.\n\nThis computer was on the WLAN "
      "\"%2\", not on \"%3\", the WLAN that the speaker was sent into, and can see the speaker "
      "only from there. Switch this computer to \"%3\", then look for the speaker in the list.",
      "The speaker \"%1\" has not come back on the network.\n\nThis computer was on the WLAN "
      "\"%2\", not on \"%3\", the WLAN that the speaker was sent into, and can see the speaker "
      "only from there. Switch this computer to \"%3\", then look for the speaker in the list.",
      "Der Lautsprecher „%1“ ist nicht ins Netzwerk zurückgekehrt.\n\nDieser Computer war im WLAN "
      "„%2“, nicht in „%3“, dem WLAN, in das der Lautsprecher geschickt wurde, und kann den "
      "Lautsprecher nur von dort aus sehen. Verbinden Sie diesen Computer mit „%3“ und suchen Sie "
      "den Lautsprecher dann in der Liste." },
    { "Client", "Add by address…", "Add by address…", "Über Adresse hinzufügen…" },
    { "Client", "%1 (by address %2)", "%1 (by address %2)", "%1 (über die Adresse %2)" },
    // Why the list is empty, under it.
    { "Client", "Why is no speaker listed?", "Why is no speaker listed?",
      "Warum wird kein Lautsprecher angezeigt?" },
    { "Client",
      "The VPN \"%1\" is this computer's route to the network, and may keep the speakers out of "
      "reach. Disconnect it, or allow it access to the local network.",
      "The VPN \"%1\" is this computer's route to the network, and may keep the speakers out of "
      "reach. Disconnect it, or allow it access to the local network.",
      "Das VPN „%1“ ist der Weg dieses Computers ins Netzwerk und hält die Lautsprecher "
      "womöglich außer Reichweite. Trennen Sie es, oder erlauben Sie ihm den Zugriff auf das "
      "lokale Netzwerk." },
    { "Client",
      "The firewall keeps the speakers' announcements out: its zone \"%1\" does not allow the "
      "service \"mdns\". Allow it with \"sudo firewall-cmd --permanent --zone=%1 "
      "--add-service=mdns && sudo firewall-cmd --reload\".",
      "The firewall keeps the speakers' announcements out: its zone \"%1\" does not allow the "
      "service \"mdns\". Allow it with \"sudo firewall-cmd --permanent --zone=%1 "
      "--add-service=mdns && sudo firewall-cmd --reload\".",
      "Die Firewall lässt die Ankündigungen der Lautsprecher nicht herein: Die Zone „%1“ "
      "erlaubt den Dienst „mdns“ nicht. Erlauben Sie ihn mit „sudo firewall-cmd --permanent "
      "--zone=%1 --add-service=mdns && sudo firewall-cmd --reload“." },
    { "Client",
      "This computer hears no DNS-SD announcements from its network at all: a firewall may block "
      "UDP port 5353, or the WLAN keeps its devices apart, as guest networks do.",
      "This computer hears no DNS-SD announcements from its network at all: a firewall may block "
      "UDP port 5353, or the WLAN keeps its devices apart, as guest networks do.",
      "Dieser Computer empfängt aus seinem Netzwerk überhaupt keine DNS-SD-Ankündigungen: Eine "
      "Firewall blockiert womöglich den UDP-Port 5353, oder das WLAN hält seine Geräte "
      "voneinander getrennt, wie es Gastnetzwerke tun." },
    { "Client",
      "No speaker answers on this network. A speaker in another part of the network (another "
      "subnet or VLAN) can be reached by its IP address with \"Add by address…\".",
      "No speaker answers on this network. A speaker in another part of the network (another "
      "subnet or VLAN) can be reached by its IP address with \"Add by address…\".",
      "Kein Lautsprecher antwortet in diesem Netzwerk. Einen Lautsprecher in einem anderen Teil "
      "des Netzwerks (einem anderen Subnetz oder VLAN) erreichen Sie mit „Über Adresse "
      "hinzufügen…“ unter seiner IP-Adresse." },
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
      "Erfolg!\nIhr VANTIR Lautsprecher starten neu\nund sind in einer Minute verfügbar...\n" },
    { "Client_Settings", "Vers:", "Vers:", "Vers:" },
    { "Client_Settings", "WLAN:", "WLAN:", "WLAN:" },
    { "Client_Settings", "The front of a VANTIR speaker", "The front of a VANTIR speaker",
      "Die Vorderseite eines VANTIR Lautsprechers" },
    { "Client_Settings", "Sending the settings to the speaker…",
      "Sending the settings to the speaker…",
      "Die Einstellungen werden an den Lautsprecher gesendet…" },
    { "Client_Settings", "Waiting for the speaker's answer", "Waiting for the speaker's answer",
      "Warten auf die Antwort des Lautsprechers" },
    { "Client_Settings", "Enter a name for the speaker.", "Enter a name for the speaker.",
      "Geben Sie einen Namen für den Lautsprecher ein." },
    { "Client_Settings",
      "The name is too long: at most 63 characters, and letters such as ä count twice.",
      "The name is too long: at most 63 characters, and letters such as ä count twice.",
      "Der Name ist zu lang: höchstens 63 Zeichen, wobei Buchstaben wie ä doppelt zählen." },
    { "Client_Settings",
      "The password of this WLAN is too short: at least 8 characters, or 64 hexadecimal digits.",
      "The password of this WLAN is too short: at least 8 characters, or 64 hexadecimal digits.",
      "Das Passwort dieses WLANs ist zu kurz: mindestens 8 Zeichen oder 64 Hexadezimalziffern." },
    { "Client_Settings",
      "The password of this WLAN is too long: at most 63 characters (letters such as ä count "
      "twice), or 64 hexadecimal digits.",
      "The password of this WLAN is too long: at most 63 characters (letters such as ä count "
      "twice), or 64 hexadecimal digits.",
      "Das Passwort dieses WLANs ist zu lang: höchstens 63 Zeichen (Buchstaben wie ä zählen "
      "doppelt) oder 64 Hexadezimalziffern." },
    { "Client_Settings", "Enter the password of this WLAN.", "Enter the password of this WLAN.",
      "Geben Sie das Passwort dieses WLANs ein." },
    { "Client_Settings", "Speaker: %1", "Speaker: %1", "Lautsprecher: %1" },
    // A WLAN to type in, the password shown or masked, and this computer's password.
    { "Client_Settings", "Security:", "Security:", "Sicherheit:" },
    { "Client_Settings", "WPA/WPA2/WPA3 Personal", "WPA/WPA2/WPA3 Personal",
      "WPA/WPA2/WPA3 Personal" },
    { "Client_Settings", "Open", "Open", "Offen" },
    { "Client_Settings", "Show password", "Show password", "Passwort anzeigen" },
    { "Client_Settings", "Use this computer's password", "Use this computer's password",
      "Passwort dieses Computers verwenden" },
    { "Client_Settings", "The password could not be read on this computer. Please type it in.",
      "The password could not be read on this computer. Please type it in.",
      "Das Passwort konnte auf diesem Computer nicht gelesen werden. Bitte geben Sie es ein." },
    { "Client_Settings", "Enter the name of the WLAN.", "Enter the name of the WLAN.",
      "Geben Sie den Namen des WLANs ein." },
    { "Client_Settings",
      "The name of the WLAN is too long: at most 32 characters, and letters such as ä count twice.",
      "The name of the WLAN is too long: at most 32 characters, and letters such as ä count twice.",
      "Der Name des WLANs ist zu lang: höchstens 32 Zeichen, wobei Buchstaben wie ä doppelt "
      "zählen." },
    { "Client_Settings", "The speaker \"%1\" is no longer announced.",
      "The speaker \"%1\" is no longer announced.",
      "Der Lautsprecher „%1“ meldet sich nicht mehr im Netzwerk." },
    { "Client_Settings", "The name contains %1, which is not allowed.",
      "The name contains %1, which is not allowed.",
      "Der Name enthält %1, was nicht erlaubt ist." },
    { "Client_Settings", "The name must not start or end with a space.",
      "The name must not start or end with a space.",
      "Der Name darf nicht mit einem Leerzeichen beginnen oder enden." },
    { "Client_Settings", "The password contains %1, which is not allowed.",
      "The password contains %1, which is not allowed.",
      "Das Passwort enthält %1, was nicht erlaubt ist." },
    { "Client_Settings", "a line break", "a line break", "einen Zeilenumbruch" },
    { "Client_Settings", "a tab", "a tab", "einen Tabulator" },
    { "Client_Settings", "the character %1", "the character %1", "das Zeichen %1" },
    { "Client_Settings",
      "The speaker refused the settings. Check the name and the password, then press SAVE again.",
      "The speaker refused the settings. Check the name and the password, then press SAVE again.",
      "Der Lautsprecher hat die Einstellungen abgelehnt. Prüfen Sie den Namen und das Passwort und "
      "klicken Sie dann erneut auf OK." },
    { "Client_Settings",
      "The speaker refused the settings (\"%1\"). Check the name and the password, then press SAVE "
      "again.",
      "The speaker refused the settings (\"%1\"). Check the name and the password, then press SAVE "
      "again.",
      "Der Lautsprecher hat die Einstellungen abgelehnt („%1“). Prüfen Sie den Namen und das "
      "Passwort und klicken Sie dann erneut auf OK." },
    { "Client_Settings",
      "The speaker's answer could not be used, so it is not known whether it took the settings. "
      "Wait a minute and look for it in the speaker list before you try again.",
      "The speaker's answer could not be used, so it is not known whether it took the settings. "
      "Wait a minute and look for it in the speaker list before you try again.",
      "Die Antwort des Lautsprechers war nicht verwendbar, daher ist nicht bekannt, ob er die "
      "Einstellungen übernommen hat. Warten Sie eine Minute und suchen Sie ihn in der "
      "Lautsprecherliste, bevor Sie es erneut versuchen." },
    { "Client_Settings",
      "The speaker did not answer. It may have taken the settings and be restarting: wait a minute "
      "and look for it in the speaker list before you try again.",
      "The speaker did not answer. It may have taken the settings and be restarting: wait a minute "
      "and look for it in the speaker list before you try again.",
      "Der Lautsprecher hat nicht geantwortet. Vielleicht hat er die Einstellungen übernommen und "
      "startet neu: Warten Sie eine Minute und suchen Sie ihn in der Lautsprecherliste, bevor Sie "
      "es erneut versuchen." },
    { "Client_Settings",
      "The settings were not sent: the speaker could not be reached, so it is as it was. Check "
      "that it is switched on and on the same network as this computer, then press SAVE again.",
      "The settings were not sent: the speaker could not be reached, so it is as it was. Check "
      "that it is switched on and on the same network as this computer, then press SAVE again.",
      "Die Einstellungen wurden nicht gesendet: Der Lautsprecher war nicht erreichbar und ist "
      "daher unverändert. Prüfen Sie, ob er eingeschaltet und im selben Netzwerk wie dieser "
      "Computer ist, und klicken Sie dann erneut auf OK." },
    { "Client_Settings",
      "The speaker's answer was too large to use, so it is not known whether it took the "
      "settings. Wait a minute and look for it in the speaker list before you try again.",
      "The speaker's answer was too large to use, so it is not known whether it took the "
      "settings. Wait a minute and look for it in the speaker list before you try again.",
      "Die Antwort des Lautsprechers war zu groß, um sie zu verwenden, daher ist nicht bekannt, "
      "ob er die Einstellungen übernommen hat. Warten Sie eine Minute und suchen Sie ihn in der "
      "Lautsprecherliste, bevor Sie es erneut versuchen." },
    { "Client_Settings",
      "The settings were not sent: the device at the speaker's address is no longer the speaker "
      "chosen. Choose the speaker again in the speaker list.",
      "The settings were not sent: the device at the speaker's address is no longer the speaker "
      "chosen. Choose the speaker again in the speaker list.",
      "Die Einstellungen wurden nicht gesendet: Unter der Adresse des Lautsprechers antwortet "
      "nicht mehr der gewählte Lautsprecher. Wählen Sie ihn in der Lautsprecherliste erneut aus." },
    { "Client_Settings",
      "This computer is on the WLAN \"%1\", not on \"%2\": the speaker can be seen coming back "
      "only while this computer is on \"%2\" too.",
      "This computer is on the WLAN \"%1\", not on \"%2\": the speaker can be seen coming back "
      "only while this computer is on \"%2\" too.",
      "Dieser Computer ist im WLAN „%1“, nicht in „%2“: Die Rückkehr des Lautsprechers ist nur zu "
      "sehen, während auch dieser Computer in „%2“ ist." },
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
    { "Client_WLANs", "WLANs the speaker sees", "WLANs the speaker sees",
      "WLANs, die der Lautsprecher sieht" },
    { "Client_WLANs", "A radio mast sending to a speaker", "A radio mast sending to a speaker",
      "Ein Funkmast, der zu einem Lautsprecher sendet" },
    { "Client_WLANs", "The speaker is looking for WLANs…", "The speaker is looking for WLANs…",
      "Der Lautsprecher sucht nach WLANs…" },
    { "Client_WLANs", "Waiting for the speaker's WLANs", "Waiting for the speaker's WLANs",
      "Warten auf die WLANs des Lautsprechers" },
    { "Client_WLANs", "Speaker: %1", "Speaker: %1", "Lautsprecher: %1" },
    { "Client_WLANs", "The speaker \"%1\" is no longer announced.",
      "The speaker \"%1\" is no longer announced.",
      "Der Lautsprecher „%1“ meldet sich nicht mehr im Netzwerk." },
    // WLANs this computer knows, a new scan and a WLAN to type in.
    { "Client_WLANs", "Known to this computer", "Known to this computer",
      "Diesem Computer bekannt" },
    { "Client_WLANs", "Known to this computer, connected now",
      "Known to this computer, connected now", "Diesem Computer bekannt, jetzt verbunden" },
    { "Client_WLANs", "Rescan", "Rescan", "Erneut suchen" },
    { "Client_WLANs", "Other network…", "Other network…", "Anderes Netzwerk…" },
    { "Client_WLANs", "A WLAN that the speaker does not list",
      "A WLAN that the speaker does not list", "Ein WLAN, das der Lautsprecher nicht anzeigt" },
    { "Client_WLANs", "The speaker found no WLANs this time. The list shows those it found before.",
      "The speaker found no WLANs this time. The list shows those it found before.",
      "Der Lautsprecher hat diesmal kein WLAN gefunden. Die Liste zeigt die zuvor gefundenen." },
    { "Client_WLANs",
      "The speaker could not be reached for a new search. The list shows the WLANs it found "
      "before.",
      "The speaker could not be reached for a new search. The list shows the WLANs it found "
      "before.",
      "Der Lautsprecher war für eine neue Suche nicht erreichbar. Die Liste zeigt die zuvor "
      "gefundenen WLANs." },
    { "Client_WLANs",
      "The speaker did not answer the new search. The list shows the WLANs it found before.",
      "The speaker did not answer the new search. The list shows the WLANs it found before.",
      "Der Lautsprecher hat auf die neue Suche nicht geantwortet. Die Liste zeigt die zuvor "
      "gefundenen WLANs." },
    { "Client_WLANs",
      "The speaker's answer to the new search could not be used. The list shows the WLANs it found "
      "before.",
      "The speaker's answer to the new search could not be used. The list shows the WLANs it found "
      "before.",
      "Die Antwort des Lautsprechers auf die neue Suche war nicht verwendbar. Die Liste zeigt die "
      "zuvor gefundenen WLANs." },
    { "Client_WLANs",
      "The speaker's answer to the new search was too large to use. The list shows the WLANs it "
      "found before.",
      "The speaker's answer to the new search was too large to use. The list shows the WLANs it "
      "found before.",
      "Die Antwort des Lautsprechers auf die neue Suche war zu groß, um sie zu verwenden. Die "
      "Liste zeigt die zuvor gefundenen WLANs." },
    { "Client_WLANs", "The WLAN \"%1\" is no longer listed. Choose one.",
      "The WLAN \"%1\" is no longer listed. Choose one.",
      "Das WLAN „%1“ wird nicht mehr angezeigt. Wählen Sie eines aus." },
    { "Client_WLANs",
      "The speaker could not be reached. Check that it is switched on and on the same network "
      "as this computer, then go back and choose it again.",
      "The speaker could not be reached. Check that it is switched on and on the same network "
      "as this computer, then go back and choose it again.",
      "Der Lautsprecher war nicht erreichbar. Prüfen Sie, ob er eingeschaltet und im selben "
      "Netzwerk wie dieser Computer ist, gehen Sie dann zurück und wählen Sie ihn erneut aus." },
    { "Client_WLANs",
      "The speaker did not answer. Check that it is switched on, then go back and choose it again.",
      "The speaker did not answer. Check that it is switched on, then go back and choose it again.",
      "Der Lautsprecher hat nicht geantwortet. Prüfen Sie, ob er eingeschaltet ist, gehen Sie dann "
      "zurück und wählen Sie ihn erneut aus." },
    { "Client_WLANs",
      "The speaker's answer could not be used. Go back and choose it again; if that does not "
      "help, switch the speaker off and on.",
      "The speaker's answer could not be used. Go back and choose it again; if that does not "
      "help, switch the speaker off and on.",
      "Die Antwort des Lautsprechers war nicht verwendbar. Gehen Sie zurück und wählen Sie ihn "
      "erneut aus; hilft das nicht, schalten Sie den Lautsprecher aus und wieder ein." },
    { "Client_WLANs",
      "The speaker's answer was too large to use. Go back and choose it again; if that does not "
      "help, switch the speaker off and on.",
      "The speaker's answer was too large to use. Go back and choose it again; if that does not "
      "help, switch the speaker off and on.",
      "Die Antwort des Lautsprechers war zu groß, um sie zu verwenden. Gehen Sie zurück und "
      "wählen Sie ihn erneut aus; hilft das nicht, schalten Sie den Lautsprecher aus und wieder "
      "ein." },
    { "Client_WLANs",
      "The speaker found no WLANs. Check that your WLAN router is switched on, then go back and "
      "choose the speaker again.",
      "The speaker found no WLANs. Check that your WLAN router is switched on, then go back and "
      "choose the speaker again.",
      "Der Lautsprecher hat kein WLAN gefunden. Prüfen Sie, ob Ihr WLAN-Router eingeschaltet ist, "
      "gehen Sie dann zurück und wählen Sie den Lautsprecher erneut aus." },
    // The dialog that adds a speaker by its address.
    { "AddressDialog", "Add a speaker by its address", "Add a speaker by its address",
      "Lautsprecher über seine Adresse hinzufügen" },
    { "AddressDialog",
      "An IPv4 or IPv6 address or a host name, with \":PORT\" when the speaker does not answer on "
      "port 80.",
      "An IPv4 or IPv6 address or a host name, with \":PORT\" when the speaker does not answer on "
      "port 80.",
      "Eine IPv4- oder IPv6-Adresse oder ein Hostname, mit „:PORT“, wenn der Lautsprecher nicht "
      "auf Port 80 antwortet." },
    { "AddressDialog", "Waiting for the device at the address",
      "Waiting for the device at the address", "Warten auf das Gerät unter der Adresse" },
    { "AddressDialog", "Add", "Add", "Hinzufügen" },
    { "AddressDialog", "Cancel", "Cancel", "Abbrechen" },
    { "AddressDialog", "Address:", "Address:", "Adresse:" },
    { "AddressDialog",
      "\"%1\" is not an address. Type an IPv4 or IPv6 address or a host name, optionally followed "
      "by \":\" and a port from 1 to 65535.",
      "\"%1\" is not an address. Type an IPv4 or IPv6 address or a host name, optionally followed "
      "by \":\" and a port from 1 to 65535.",
      "„%1“ ist keine Adresse. Geben Sie eine IPv4- oder IPv6-Adresse oder einen Hostnamen ein, "
      "wahlweise gefolgt von „:“ und einem Port von 1 bis 65535." },
    { "AddressDialog", "Asking %1…", "Asking %1…", "Anfrage an %1…" },
    { "AddressDialog", "The name \"%1\" is not known on this network.",
      "The name \"%1\" is not known on this network.",
      "Der Name „%1“ ist in diesem Netzwerk nicht bekannt." },
    { "AddressDialog",
      "No answer from %1. Check the address and that the speaker is switched on; a firewall or a "
      "guest WLAN may also keep it out of reach.",
      "No answer from %1. Check the address and that the speaker is switched on; a firewall or a "
      "guest WLAN may also keep it out of reach.",
      "Keine Antwort von %1. Prüfen Sie die Adresse und ob der Lautsprecher eingeschaltet ist; "
      "auch eine Firewall oder ein Gast-WLAN kann ihn unerreichbar machen." },
    { "AddressDialog", "The device at %1 answers, but not as a VANTIR speaker.",
      "The device at %1 answers, but not as a VANTIR speaker.",
      "Das Gerät unter %1 antwortet, aber nicht als VANTIR-Lautsprecher." },
};

// The German of an entry, for the pages' tests that run in German; empty where there is none.
inline QString germanEntry(const char *context, const char *source)
{
    for (const Entry &entry : entries) {
        if (std::strcmp(entry.context, context) == 0 && std::strcmp(entry.source, source) == 0)
            return QString::fromUtf8(entry.german);
    }
    return QString();
}

#endif // CATALOGUEENTRIES_H
