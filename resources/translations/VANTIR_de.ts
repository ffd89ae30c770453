<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>Client</name>
    <message>
        <source>&lt;&lt; Back</source>
        <translation>&lt; Zurück</translation>
    </message>
    <message>
        <source>VANTIR Ovix Configurator</source>
        <translation>VANTIR Ovix Konfigurator</translation>
    </message>
    <message>
        <source>Available VANTIR Speakers</source>
        <translation>Verfügbare VANTIR Lautsprecher</translation>
    </message>
    <message>
        <source>Next &gt;&gt;</source>
        <translation>Weiter &gt;</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>The Speakers and your
device have to be in
the same WLAN!</source>
        <translation>Die Lautsprecher und
Ihr Mobilgerät müssen
im selben WLAN sein!
</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>The speaker could not be reached. Check that it is switched on and on the same network as this computer, then choose it again.</source>
        <translation>Der Lautsprecher war nicht erreichbar. Prüfen Sie, ob er eingeschaltet und im selben Netzwerk wie dieser Computer ist, und wählen Sie ihn dann erneut aus.</translation>
    </message>
    <message>
        <source>The search for speakers is not available: this computer&apos;s DNS-SD service (avahi-daemon) does not answer. Start it, for example with &quot;sudo systemctl start avahi-daemon&quot;, and the list fills by itself.</source>
        <translation>Die Suche nach Lautsprechern ist nicht verfügbar: Der DNS-SD-Dienst dieses Computers (avahi-daemon) antwortet nicht. Starten Sie ihn, zum Beispiel mit „sudo systemctl start avahi-daemon“, dann füllt sich die Liste von selbst.</translation>
    </message>
    <message>
        <source>The search for speakers is not available: this computer&apos;s DNS-SD service (Bonjour) does not answer. Start the Bonjour service (or install it), and the list fills by itself.</source>
        <translation>Die Suche nach Lautsprechern ist nicht verfügbar: Der DNS-SD-Dienst dieses Computers (Bonjour) antwortet nicht. Starten Sie den Bonjour-Dienst (oder installieren Sie ihn), dann füllt sich die Liste von selbst.</translation>
    </message>
    <message>
        <source>Speakers on this network</source>
        <translation>Lautsprecher in diesem Netzwerk</translation>
    </message>
    <message>
        <source>A row of VANTIR speakers</source>
        <translation>Eine Reihe VANTIR Lautsprecher</translation>
    </message>
    <message>
        <source>Waiting for the speaker</source>
        <translation>Warten auf den Lautsprecher</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; is back on the network under its new name, IP address %2.</source>
        <translation>Der Lautsprecher „%1“ ist unter seinem neuen Namen wieder im Netzwerk, IP-Adresse %2.</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; came back but kept its old name: the settings did not take.</source>
        <translation>Der Lautsprecher „%1“ ist zurück, hat aber seinen alten Namen behalten: Die Einstellungen wurden nicht übernommen.</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; has not come back on the network.

Please check:
- the WLAN password: a wrong password is the usual cause;
- that this computer is on the home WLAN now: if it was joined to the speaker&apos;s own network, join the home WLAN again;
- a speaker that joined no network must be reset and set up again.</source>
        <translation>Der Lautsprecher „%1“ ist nicht ins Netzwerk zurückgekehrt.

Bitte prüfen Sie:
- das WLAN-Passwort: Ein falsches Passwort ist die häufigste Ursache;
- dass dieser Computer jetzt im Heim-WLAN ist: War er mit dem eigenen Netzwerk des Lautsprechers verbunden, verbinden Sie ihn wieder mit dem Heim-WLAN;
- ein Lautsprecher, der keinem Netzwerk beigetreten ist, muss zurückgesetzt und neu eingerichtet werden.</translation>
    </message>
    <message>
        <source>The search for speakers is not available, so the speaker cannot be reached now.</source>
        <translation>Die Suche nach Lautsprechern ist nicht verfügbar, daher ist der Lautsprecher jetzt nicht erreichbar.</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; is no longer announced.</source>
        <translation>Der Lautsprecher „%1“ meldet sich nicht mehr im Netzwerk.</translation>
    </message>
    <message>
        <source>Waiting for saved speakers</source>
        <translation>Warten auf die eingerichteten Lautsprecher</translation>
    </message>
    <message>
        <source>Waiting for &quot;%1&quot; to come back…</source>
        <translation>Warten, bis „%1“ zurückkommt…</translation>
    </message>
    <message>
        <source>Waiting for %1 speakers to come back…</source>
        <translation>Warten, bis %1 Lautsprecher zurückkommen…</translation>
    </message>
    <message>
        <source>The configurator is still waiting for the speaker &quot;%1&quot; to come back. Quit anyway?</source>
        <translation>Der Konfigurator wartet noch darauf, dass der Lautsprecher „%1“ zurückkommt. Trotzdem beenden?</translation>
    </message>
    <message>
        <source>The configurator is still waiting for %1 speakers to come back. Quit anyway?</source>
        <translation>Der Konfigurator wartet noch darauf, dass %1 Lautsprecher zurückkommen. Trotzdem beenden?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; is back on the network, on the WLAN &quot;%2&quot;, IP address %3.</source>
        <translation>Der Lautsprecher „%1“ ist wieder im Netzwerk, im WLAN „%2“, IP-Adresse %3.</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; is back on the network, but on another WLAN: &quot;%2&quot; instead of &quot;%3&quot;. IP address %4.</source>
        <translation>Der Lautsprecher „%1“ ist wieder im Netzwerk, aber in einem anderen WLAN: „%2“ statt „%3“. IP-Adresse %4.</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; is back on the network, IP address %2. Whether it joined the WLAN &quot;%3&quot; cannot be told from here.</source>
        <translation>Der Lautsprecher „%1“ ist wieder im Netzwerk, IP-Adresse %2. Ob er dem WLAN „%3“ beigetreten ist, lässt sich von hier aus nicht erkennen.</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; is back in the list but does not answer.</source>
        <translation>Der Lautsprecher „%1“ ist wieder in der Liste, antwortet aber nicht.</translation>
    </message>
    <message>
        <source>Another device answers under the name &quot;%1&quot;, at IP address %2: it is not the speaker that was saved, which is still awaited.</source>
        <translation>Ein anderes Gerät antwortet unter dem Namen „%1“, IP-Adresse %2: Es ist nicht der eingerichtete Lautsprecher, auf den weiter gewartet wird.</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; has not yet answered whether it takes the settings.</source>
        <translation>Der Lautsprecher „%1“ hat noch nicht geantwortet, ob er die Einstellungen übernimmt.</translation>
    </message>
    <message>
        <source>The configurator is also waiting for the speaker &quot;%1&quot; to come back.</source>
        <translation>Außerdem wartet der Konfigurator noch darauf, dass der Lautsprecher „%1“ zurückkommt.</translation>
    </message>
    <message>
        <source>The configurator is also waiting for %1 speakers to come back.</source>
        <translation>Außerdem wartet der Konfigurator noch darauf, dass %1 Lautsprecher zurückkommen.</translation>
    </message>
    <message>
        <source>Quit once the answer is in?</source>
        <translation>Beenden, sobald die Antwort da ist?</translation>
    </message>
    <message>
        <source>Quit once the answers are in?</source>
        <translation>Beenden, sobald die Antworten da sind?</translation>
    </message>
    <message>
        <source>Quitting once the speaker &quot;%1&quot; has answered…</source>
        <translation>Beenden, sobald der Lautsprecher „%1“ geantwortet hat…</translation>
    </message>
    <message>
        <source>Quitting once %1 speakers have answered…</source>
        <translation>Beenden, sobald %1 Lautsprecher geantwortet haben…</translation>
    </message>
    <message>
        <source>Switch this computer to &quot;%1&quot;</source>
        <translation>Diesen Computer mit „%1“ verbinden</translation>
    </message>
    <message>
        <source>Switching this computer to the WLAN &quot;%1&quot;…</source>
        <translation>Dieser Computer wird mit dem WLAN „%1“ verbunden…</translation>
    </message>
    <message>
        <source>This computer is joining the WLAN &quot;%1&quot;.</source>
        <translation>Dieser Computer verbindet sich mit dem WLAN „%1“.</translation>
    </message>
    <message>
        <source>This computer could not be switched to the WLAN &quot;%1&quot;: it has no saved connection for it any more.</source>
        <translation>Dieser Computer konnte nicht mit dem WLAN „%1“ verbunden werden: Er hat dafür keine gespeicherte Verbindung mehr.</translation>
    </message>
    <message>
        <source>This computer could not be switched to the WLAN &quot;%1&quot;: NetworkManager did not answer.</source>
        <translation>Dieser Computer konnte nicht mit dem WLAN „%1“ verbunden werden: NetworkManager hat nicht geantwortet.</translation>
    </message>
    <message>
        <source>NetworkManager did not switch this computer to the WLAN &quot;%1&quot; (&quot;%2&quot;).</source>
        <translation>NetworkManager hat diesen Computer nicht mit dem WLAN „%1“ verbunden („%2“).</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; has not come back on the network.

This computer was on the WLAN &quot;%2&quot;, not on &quot;%3&quot;, the WLAN that the speaker was sent into, and can see the speaker only from there. Switch this computer to &quot;%3&quot;, then look for the speaker in the list.</source>
        <translation>Der Lautsprecher „%1“ ist nicht ins Netzwerk zurückgekehrt.

Dieser Computer war im WLAN „%2“, nicht in „%3“, dem WLAN, in das der Lautsprecher geschickt wurde, und kann den Lautsprecher nur von dort aus sehen. Verbinden Sie diesen Computer mit „%3“ und suchen Sie den Lautsprecher dann in der Liste.</translation>
    </message>
    <message>
        <source>Add by address…</source>
        <translation>Über Adresse hinzufügen…</translation>
    </message>
    <message>
        <source>%1 (by address %2)</source>
        <translation>%1 (über die Adresse %2)</translation>
    </message>
    <message>
        <source>Why is no speaker listed?</source>
        <translation>Warum wird kein Lautsprecher angezeigt?</translation>
    </message>
    <message>
        <source>The VPN &quot;%1&quot; is this computer&apos;s route to the network, and may keep the speakers out of reach. Disconnect it, or allow it access to the local network.</source>
        <translation>Das VPN „%1“ ist der Weg dieses Computers ins Netzwerk und hält die Lautsprecher womöglich außer Reichweite. Trennen Sie es, oder erlauben Sie ihm den Zugriff auf das lokale Netzwerk.</translation>
    </message>
    <message>
        <source>The firewall keeps the speakers&apos; announcements out: its zone &quot;%1&quot; does not allow the service &quot;mdns&quot;. Allow it with &quot;sudo firewall-cmd --permanent --zone=%1 --add-service=mdns &amp;&amp; sudo firewall-cmd --reload&quot;.</source>
        <translation>Die Firewall lässt die Ankündigungen der Lautsprecher nicht herein: Die Zone „%1“ erlaubt den Dienst „mdns“ nicht. Erlauben Sie ihn mit „sudo firewall-cmd --permanent --zone=%1 --add-service=mdns &amp;&amp; sudo firewall-cmd --reload“.</translation>
    </message>
    <message>
        <source>This computer hears no DNS-SD announcements from its network at all: a firewall may block UDP port 5353, or the WLAN keeps its devices apart, as guest networks do.</source>
        <translation>Dieser Computer empfängt aus seinem Netzwerk überhaupt keine DNS-SD-Ankündigungen: Eine Firewall blockiert womöglich den UDP-Port 5353, oder das WLAN hält seine Geräte voneinander getrennt, wie es Gastnetzwerke tun.</translation>
    </message>
    <message>
        <source>No speaker answers on this network. A speaker in another part of the network (another subnet or VLAN) can be reached by its IP address with &quot;Add by address…&quot;.</source>
        <translation>Kein Lautsprecher antwortet in diesem Netzwerk. Einen Lautsprecher in einem anderen Teil des Netzwerks (einem anderen Subnetz oder VLAN) erreichen Sie mit „Über Adresse hinzufügen…“ unter seiner IP-Adresse.</translation>
    </message>
</context>
<context>
    <name>Client_Settings</name>
    <message>
        <source>&lt;&lt; Back</source>
        <translation>&lt; Zurück</translation>
    </message>
    <message>
        <source>VANTIR Ovix</source>
        <translation>VANTIR Ovix</translation>
    </message>
    <message>
        <source>Clicking on SAVE will reboot your
VANTIR Ovix-Speakers!</source>
        <translation>Klicken auf OK lässt Ihre
VANTIR Ovixs neu starten!</translation>
    </message>
    <message>
        <source>IP Addr:</source>
        <translation>IP Addr:</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Modell:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Passwd:</source>
        <translation>Passwd:</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Speaker WLAN Settings</source>
        <translation>WLAN Einstellungen</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Erfolg!
Ihr VANTIR Lautsprecher starten neu
und sind in einer Minute verfügbar...
</translation>
    </message>
    <message>
        <source>Vers:</source>
        <translation>Vers:</translation>
    </message>
    <message>
        <source>WLAN:</source>
        <translation>WLAN:</translation>
    </message>
    <message>
        <source>Sending the settings to the speaker…</source>
        <translation>Die Einstellungen werden an den Lautsprecher gesendet…</translation>
    </message>
    <message>
        <source>Waiting for the speaker&apos;s answer</source>
        <translation>Warten auf die Antwort des Lautsprechers</translation>
    </message>
    <message>
        <source>Enter a name for the speaker.</source>
        <translation>Geben Sie einen Namen für den Lautsprecher ein.</translation>
    </message>
    <message>
        <source>The name is too long: at most 63 characters, and letters such as ä count twice.</source>
        <translation>Der Name ist zu lang: höchstens 63 Zeichen, wobei Buchstaben wie ä doppelt zählen.</translation>
    </message>
    <message>
        <source>The password of this WLAN is too short: at least 8 characters, or 64 hexadecimal digits.</source>
        <translation>Das Passwort dieses WLANs ist zu kurz: mindestens 8 Zeichen oder 64 Hexadezimalziffern.</translation>
    </message>
    <message>
        <source>The password of this WLAN is too long: at most 63 characters (letters such as ä count twice), or 64 hexadecimal digits.</source>
        <translation>Das Passwort dieses WLANs ist zu lang: höchstens 63 Zeichen (Buchstaben wie ä zählen doppelt) oder 64 Hexadezimalziffern.</translation>
    </message>
    <message>
        <source>Enter the password of this WLAN.</source>
        <translation>Geben Sie das Passwort dieses WLANs ein.</translation>
    </message>
    <message>
        <source>The speaker refused the settings. Check the name and the password, then press SAVE again.</source>
        <translation>Der Lautsprecher hat die Einstellungen abgelehnt. Prüfen Sie den Namen und das Passwort und klicken Sie dann erneut auf OK.</translation>
    </message>
    <message>
        <source>The speaker refused the settings (&quot;%1&quot;). Check the name and the password, then press SAVE again.</source>
        <translation>Der Lautsprecher hat die Einstellungen abgelehnt („%1“). Prüfen Sie den Namen und das Passwort und klicken Sie dann erneut auf OK.</translation>
    </message>
    <message>
        <source>The speaker&apos;s answer could not be used, so it is not known whether it took the settings. Wait a minute and look for it in the speaker list before you try again.</source>
        <translation>Die Antwort des Lautsprechers war nicht verwendbar, daher ist nicht bekannt, ob er die Einstellungen übernommen hat. Warten Sie eine Minute und suchen Sie ihn in der Lautsprecherliste, bevor Sie es erneut versuchen.</translation>
    </message>
    <message>
        <source>The speaker did not answer. It may have taken the settings and be restarting: wait a minute and look for it in the speaker list before you try again.</source>
        <translation>Der Lautsprecher hat nicht geantwortet. Vielleicht hat er die Einstellungen übernommen und startet neu: Warten Sie eine Minute und suchen Sie ihn in der Lautsprecherliste, bevor Sie es erneut versuchen.</translation>
    </message>
    <message>
        <source>The settings were not sent: the speaker could not be reached, so it is as it was. Check that it is switched on and on the same network as this computer, then press SAVE again.</source>
        <translation>Die Einstellungen wurden nicht gesendet: Der Lautsprecher war nicht erreichbar und ist daher unverändert. Prüfen Sie, ob er eingeschaltet und im selben Netzwerk wie dieser Computer ist, und klicken Sie dann erneut auf OK.</translation>
    </message>
    <message>
        <source>The speaker&apos;s answer was too large to use, so it is not known whether it took the settings. Wait a minute and look for it in the speaker list before you try again.</source>
        <translation>Die Antwort des Lautsprechers war zu groß, um sie zu verwenden, daher ist nicht bekannt, ob er die Einstellungen übernommen hat. Warten Sie eine Minute und suchen Sie ihn in der Lautsprecherliste, bevor Sie es erneut versuchen.</translation>
    </message>
    <message>
        <source>The settings were not sent: the device at the speaker&apos;s address is no longer the speaker chosen. Choose the speaker again in the speaker list.</source>
        <translation>Die Einstellungen wurden nicht gesendet: Unter der Adresse des Lautsprechers antwortet nicht mehr der gewählte Lautsprecher. Wählen Sie ihn in der Lautsprecherliste erneut aus.</translation>
    </message>
    <message>
        <source>The front of a VANTIR speaker</source>
        <translation>Die Vorderseite eines VANTIR Lautsprechers</translation>
    </message>
    <message>
        <source>Speaker: %1</source>
        <translation>Lautsprecher: %1</translation>
    </message>
    <message>
        <source>Security:</source>
        <translation>Sicherheit:</translation>
    </message>
    <message>
        <source>WPA/WPA2/WPA3 Personal</source>
        <translation>WPA/WPA2/WPA3 Personal</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Offen</translation>
    </message>
    <message>
        <source>Show password</source>
        <translation>Passwort anzeigen</translation>
    </message>
    <message>
        <source>Use this computer&apos;s password</source>
        <translation>Passwort dieses Computers verwenden</translation>
    </message>
    <message>
        <source>The password could not be read on this computer. Please type it in.</source>
        <translation>Das Passwort konnte auf diesem Computer nicht gelesen werden. Bitte geben Sie es ein.</translation>
    </message>
    <message>
        <source>Enter the name of the WLAN.</source>
        <translation>Geben Sie den Namen des WLANs ein.</translation>
    </message>
    <message>
        <source>The name of the WLAN is too long: at most 32 characters, and letters such as ä count twice.</source>
        <translation>Der Name des WLANs ist zu lang: höchstens 32 Zeichen, wobei Buchstaben wie ä doppelt zählen.</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; is no longer announced.</source>
        <translation>Der Lautsprecher „%1“ meldet sich nicht mehr im Netzwerk.</translation>
    </message>
    <message>
        <source>The name contains %1, which is not allowed.</source>
        <translation>Der Name enthält %1, was nicht erlaubt ist.</translation>
    </message>
    <message>
        <source>The name must not start or end with a space.</source>
        <translation>Der Name darf nicht mit einem Leerzeichen beginnen oder enden.</translation>
    </message>
    <message>
        <source>The password contains %1, which is not allowed.</source>
        <translation>Das Passwort enthält %1, was nicht erlaubt ist.</translation>
    </message>
    <message>
        <source>a line break</source>
        <translation>einen Zeilenumbruch</translation>
    </message>
    <message>
        <source>a tab</source>
        <translation>einen Tabulator</translation>
    </message>
    <message>
        <source>the character %1</source>
        <translation>das Zeichen %1</translation>
    </message>
    <message>
        <source>This computer is on the WLAN &quot;%1&quot;, not on &quot;%2&quot;: the speaker can be seen coming back only while this computer is on &quot;%2&quot; too.</source>
        <translation>Dieser Computer ist im WLAN „%1“, nicht in „%2“: Die Rückkehr des Lautsprechers ist nur zu sehen, während auch dieser Computer in „%2“ ist.</translation>
    </message>
</context>
<context>
    <name>Client_WLANs</name>
    <message>
        <source>&lt;&lt; Back</source>
        <translation>&lt; Zurück</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Next &gt;&gt;</source>
        <translation>Weiter &gt;</translation>
    </message>
    <message>
        <source>No Speakers found</source>
        <translation>Keine Lautsprecher gefunden</translation>
    </message>
    <message>
        <source>Please select your private WLAN
  </source>
        <translation>Bitte wählen Sie Ihr privates WLAN</translation>
    </message>
    <message>
        <source>Reset!</source>
        <translation>Reset!</translation>
    </message>
    <message>
        <source>SSID</source>
        <translation>WLAN</translation>
    </message>
    <message>
        <source>Select WLAN</source>
        <translation>WLAN auswählen</translation>
    </message>
    <message>
        <source>Sig</source>
        <translation>Sig</translation>
    </message>
    <message>
        <source>The speaker is looking for WLANs…</source>
        <translation>Der Lautsprecher sucht nach WLANs…</translation>
    </message>
    <message>
        <source>Waiting for the speaker&apos;s WLANs</source>
        <translation>Warten auf die WLANs des Lautsprechers</translation>
    </message>
    <message>
        <source>The speaker could not be reached. Check that it is switched on and on the same network as this computer, then go back and choose it again.</source>
        <translation>Der Lautsprecher war nicht erreichbar. Prüfen Sie, ob er eingeschaltet und im selben Netzwerk wie dieser Computer ist, gehen Sie dann zurück und wählen Sie ihn erneut aus.</translation>
    </message>
    <message>
        <source>The speaker did not answer. Check that it is switched on, then go back and choose it again.</source>
        <translation>Der Lautsprecher hat nicht geantwortet. Prüfen Sie, ob er eingeschaltet ist, gehen Sie dann zurück und wählen Sie ihn erneut aus.</translation>
    </message>
    <message>
        <source>The speaker&apos;s answer could not be used. Go back and choose it again; if that does not help, switch the speaker off and on.</source>
        <translation>Die Antwort des Lautsprechers war nicht verwendbar. Gehen Sie zurück und wählen Sie ihn erneut aus; hilft das nicht, schalten Sie den Lautsprecher aus und wieder ein.</translation>
    </message>
    <message>
        <source>The speaker&apos;s answer was too large to use. Go back and choose it again; if that does not help, switch the speaker off and on.</source>
        <translation>Die Antwort des Lautsprechers war zu groß, um sie zu verwenden. Gehen Sie zurück und wählen Sie ihn erneut aus; hilft das nicht, schalten Sie den Lautsprecher aus und wieder ein.</translation>
    </message>
    <message>
        <source>The speaker found no WLANs. Check that your WLAN router is switched on, then go back and choose the speaker again.</source>
        <translation>Der Lautsprecher hat kein WLAN gefunden. Prüfen Sie, ob Ihr WLAN-Router eingeschaltet ist, gehen Sie dann zurück und wählen Sie den Lautsprecher erneut aus.</translation>
    </message>
    <message>
        <source>WLANs the speaker sees</source>
        <translation>WLANs, die der Lautsprecher sieht</translation>
    </message>
    <message>
        <source>A radio mast sending to a speaker</source>
        <translation>Ein Funkmast, der zu einem Lautsprecher sendet</translation>
    </message>
    <message>
        <source>Speaker: %1</source>
        <translation>Lautsprecher: %1</translation>
    </message>
    <message>
        <source>Known to this computer</source>
        <translation>Diesem Computer bekannt</translation>
    </message>
    <message>
        <source>Known to this computer, connected now</source>
        <translation>Diesem Computer bekannt, jetzt verbunden</translation>
    </message>
    <message>
        <source>Rescan</source>
        <translation>Erneut suchen</translation>
    </message>
    <message>
        <source>Other network…</source>
        <translation>Anderes Netzwerk…</translation>
    </message>
    <message>
        <source>A WLAN that the speaker does not list</source>
        <translation>Ein WLAN, das der Lautsprecher nicht anzeigt</translation>
    </message>
    <message>
        <source>The speaker found no WLANs this time. The list shows those it found before.</source>
        <translation>Der Lautsprecher hat diesmal kein WLAN gefunden. Die Liste zeigt die zuvor gefundenen.</translation>
    </message>
    <message>
        <source>The speaker could not be reached for a new search. The list shows the WLANs it found before.</source>
        <translation>Der Lautsprecher war für eine neue Suche nicht erreichbar. Die Liste zeigt die zuvor gefundenen WLANs.</translation>
    </message>
    <message>
        <source>The speaker did not answer the new search. The list shows the WLANs it found before.</source>
        <translation>Der Lautsprecher hat auf die neue Suche nicht geantwortet. Die Liste zeigt die zuvor gefundenen WLANs.</translation>
    </message>
    <message>
        <source>The speaker&apos;s answer to the new search could not be used. The list shows the WLANs it found before.</source>
        <translation>Die Antwort des Lautsprechers auf die neue Suche war nicht verwendbar. Die Liste zeigt die zuvor gefundenen WLANs.</translation>
    </message>
    <message>
        <source>The speaker&apos;s answer to the new search was too large to use. The list shows the WLANs it found before.</source>
        <translation>Die Antwort des Lautsprechers auf die neue Suche war zu groß, um sie zu verwenden. Die Liste zeigt die zuvor gefundenen WLANs.</translation>
    </message>
    <message>
        <source>The WLAN &quot;%1&quot; is no longer listed. Choose one.</source>
        <translation>Das WLAN „%1“ wird nicht mehr angezeigt. Wählen Sie eines aus.</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; is no longer announced.</source>
        <translation>Der Lautsprecher „%1“ meldet sich nicht mehr im Netzwerk.</translation>
    </message>
</context>
<context>
    <name>AddressDialog</name>
    <message>
        <source>Add a speaker by its address</source>
        <translation>Lautsprecher über seine Adresse hinzufügen</translation>
    </message>
    <message>
        <source>An IPv4 or IPv6 address or a host name, with &quot;:PORT&quot; when the speaker does not answer on port 80.</source>
        <translation>Eine IPv4- oder IPv6-Adresse oder ein Hostname, mit „:PORT“, wenn der Lautsprecher nicht auf Port 80 antwortet.</translation>
    </message>
    <message>
        <source>Waiting for the device at the address</source>
        <translation>Warten auf das Gerät unter der Adresse</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an address. Type an IPv4 or IPv6 address or a host name, optionally followed by &quot;:&quot; and a port from 1 to 65535.</source>
        <translation>„%1“ ist keine Adresse. Geben Sie eine IPv4- oder IPv6-Adresse oder einen Hostnamen ein, wahlweise gefolgt von „:“ und einem Port von 1 bis 65535.</translation>
    </message>
    <message>
        <source>Asking %1…</source>
        <translation>Anfrage an %1…</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; is not known on this network.</source>
        <translation>Der Name „%1“ ist in diesem Netzwerk nicht bekannt.</translation>
    </message>
    <message>
        <source>No answer from %1. Check the address and that the speaker is switched on; a firewall or a guest WLAN may also keep it out of reach.</source>
        <translation>Keine Antwort von %1. Prüfen Sie die Adresse und ob der Lautsprecher eingeschaltet ist; auch eine Firewall oder ein Gast-WLAN kann ihn unerreichbar machen.</translation>
    </message>
    <message>
        <source>The device at %1 answers, but not as a VANTIR speaker.</source>
        <translation>Das Gerät unter %1 antwortet, aber nicht als VANTIR-Lautsprecher.</translation>
    </message>
</context>
</TS>
