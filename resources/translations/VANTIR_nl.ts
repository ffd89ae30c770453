<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL" sourcelanguage="en">
<context>
    <name>Client</name>
    <message>
        <source>&lt;&lt; Back</source>
        <translation>&lt; Terug</translation>
    </message>
    <message>
        <source>VANTIR Ovix Configurator</source>
        <translation>VANTIR Ovix Configurator</translation>
    </message>
    <message>
        <source>Available VANTIR Speakers</source>
        <translation>Beschikbare VANTIR-luidsprekers</translation>
    </message>
    <message>
        <source>Next &gt;&gt;</source>
        <translation>Volgende &gt;</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>The Speakers and your
device have to be in
the same WLAN!</source>
        <translation>De luidsprekers en uw
apparaat moeten op
hetzelfde wifinetwerk zitten!</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>The speaker could not be reached. Check that it is switched on and on the same network as this computer, then choose it again.</source>
        <translation>De luidspreker was niet bereikbaar. Controleer of hij aan staat en op hetzelfde netwerk zit als deze computer en kies hem daarna opnieuw.</translation>
    </message>
    <message>
        <source>The search for speakers is not available: this computer&apos;s DNS-SD service (avahi-daemon) does not answer. Start it, for example with &quot;sudo systemctl start avahi-daemon&quot;, and the list fills by itself.</source>
        <translation>Het zoeken naar luidsprekers is niet beschikbaar: de DNS-SD-dienst van deze computer (avahi-daemon) antwoordt niet. Start deze, bijvoorbeeld met ‘sudo systemctl start avahi-daemon’, dan vult de lijst zich vanzelf.</translation>
    </message>
    <message>
        <source>The search for speakers is not available: this computer&apos;s DNS-SD service (Bonjour) does not answer. Start the Bonjour service (or install it), and the list fills by itself.</source>
        <translation>Het zoeken naar luidsprekers is niet beschikbaar: de DNS-SD-dienst van deze computer (Bonjour) antwoordt niet. Start de Bonjour-dienst (of installeer hem), dan vult de lijst zich vanzelf.</translation>
    </message>
    <message>
        <source>Speakers on this network</source>
        <translation>Luidsprekers op dit netwerk</translation>
    </message>
    <message>
        <source>A row of VANTIR speakers</source>
        <translation>Een rij VANTIR-luidsprekers</translation>
    </message>
    <message>
        <source>Waiting for the speaker</source>
        <translation>Wachten op de luidspreker</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; is back on the network under its new name, IP address %2.</source>
        <translation>De luidspreker ‘%1’ is onder zijn nieuwe naam terug op het netwerk, IP-adres %2.</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; came back but kept its old name: the settings did not take.</source>
        <translation>De luidspreker ‘%1’ is terug, maar heeft zijn oude naam behouden: de instellingen zijn niet overgenomen.</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; has not come back on the network.

Please check:
- the WLAN password: a wrong password is the usual cause;
- that this computer is on the home WLAN now: if it was joined to the speaker&apos;s own network, join the home WLAN again;
- a speaker that joined no network must be reset and set up again.</source>
        <translation>De luidspreker ‘%1’ is niet teruggekeerd op het netwerk.

Controleer:
- het wifiwachtwoord: een verkeerd wachtwoord is de gebruikelijke oorzaak;
- of deze computer nu op het wifinetwerk thuis zit: was hij verbonden met het eigen netwerk van de luidspreker, verbind hem dan weer met het wifinetwerk thuis;
- een luidspreker die met geen enkel netwerk verbonden is, moet worden gereset en opnieuw ingesteld.</translation>
    </message>
    <message>
        <source>The search for speakers is not available, so the speaker cannot be reached now.</source>
        <translation>Het zoeken naar luidsprekers is niet beschikbaar, dus de luidspreker is nu niet bereikbaar.</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; is no longer announced.</source>
        <translation>De luidspreker ‘%1’ meldt zich niet meer op het netwerk.</translation>
    </message>
    <message>
        <source>Waiting for saved speakers</source>
        <translation>Wachten op de ingestelde luidsprekers</translation>
    </message>
    <message>
        <source>Waiting for &quot;%1&quot; to come back…</source>
        <translation>Wachten tot ‘%1’ terugkomt…</translation>
    </message>
    <message>
        <source>Waiting for %1 speakers to come back…</source>
        <translation>Wachten tot %1 luidsprekers terugkomen…</translation>
    </message>
    <message>
        <source>The configurator is still waiting for the speaker &quot;%1&quot; to come back. Quit anyway?</source>
        <translation>De configurator wacht nog tot de luidspreker ‘%1’ terugkomt. Toch afsluiten?</translation>
    </message>
    <message>
        <source>The configurator is still waiting for %1 speakers to come back. Quit anyway?</source>
        <translation>De configurator wacht nog tot %1 luidsprekers terugkomen. Toch afsluiten?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nee</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; is back on the network, on the WLAN &quot;%2&quot;, IP address %3.</source>
        <translation>De luidspreker ‘%1’ is terug op het netwerk, op het wifinetwerk ‘%2’, IP-adres %3.</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; is back on the network, but on another WLAN: &quot;%2&quot; instead of &quot;%3&quot;. IP address %4.</source>
        <translation>De luidspreker ‘%1’ is terug op het netwerk, maar op een ander wifinetwerk: ‘%2’ in plaats van ‘%3’. IP-adres %4.</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; is back on the network, IP address %2. Whether it joined the WLAN &quot;%3&quot; cannot be told from here.</source>
        <translation>De luidspreker ‘%1’ is terug op het netwerk, IP-adres %2. Of hij verbonden is met het wifinetwerk ‘%3’, is van hieruit niet te zien.</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; is back in the list but does not answer.</source>
        <translation>De luidspreker ‘%1’ staat weer in de lijst, maar antwoordt niet.</translation>
    </message>
    <message>
        <source>Another device answers under the name &quot;%1&quot;, at IP address %2: it is not the speaker that was saved, which is still awaited.</source>
        <translation>Een ander apparaat antwoordt onder de naam ‘%1’, op IP-adres %2: het is niet de ingestelde luidspreker, waarop nog wordt gewacht.</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; has not yet answered whether it takes the settings.</source>
        <translation>De luidspreker ‘%1’ heeft nog niet geantwoord of hij de instellingen overneemt.</translation>
    </message>
    <message>
        <source>The configurator is also waiting for the speaker &quot;%1&quot; to come back.</source>
        <translation>De configurator wacht ook nog tot de luidspreker ‘%1’ terugkomt.</translation>
    </message>
    <message>
        <source>The configurator is also waiting for %1 speakers to come back.</source>
        <translation>De configurator wacht ook nog tot %1 luidsprekers terugkomen.</translation>
    </message>
    <message>
        <source>Quit once the answer is in?</source>
        <translation>Afsluiten zodra het antwoord binnen is?</translation>
    </message>
    <message>
        <source>Quit once the answers are in?</source>
        <translation>Afsluiten zodra de antwoorden binnen zijn?</translation>
    </message>
    <message>
        <source>Quitting once the speaker &quot;%1&quot; has answered…</source>
        <translation>Afsluiten zodra de luidspreker ‘%1’ heeft geantwoord…</translation>
    </message>
    <message>
        <source>Quitting once %1 speakers have answered…</source>
        <translation>Afsluiten zodra %1 luidsprekers hebben geantwoord…</translation>
    </message>
    <message>
        <source>Switch this computer to &quot;%1&quot;</source>
        <translation>Deze computer verbinden met ‘%1’</translation>
    </message>
    <message>
        <source>Switching this computer to the WLAN &quot;%1&quot;…</source>
        <translation>Deze computer wordt verbonden met het wifinetwerk ‘%1’…</translation>
    </message>
    <message>
        <source>This computer is joining the WLAN &quot;%1&quot;.</source>
        <translation>Deze computer maakt verbinding met het wifinetwerk ‘%1’.</translation>
    </message>
    <message>
        <source>This computer could not be switched to the WLAN &quot;%1&quot;: it has no saved connection for it any more.</source>
        <translation>Deze computer kon niet met het wifinetwerk ‘%1’ worden verbonden: hij heeft er geen opgeslagen verbinding meer voor.</translation>
    </message>
    <message>
        <source>This computer could not be switched to the WLAN &quot;%1&quot;: NetworkManager did not answer.</source>
        <translation>Deze computer kon niet met het wifinetwerk ‘%1’ worden verbonden: NetworkManager gaf geen antwoord.</translation>
    </message>
    <message>
        <source>NetworkManager did not switch this computer to the WLAN &quot;%1&quot; (&quot;%2&quot;).</source>
        <translation>NetworkManager heeft deze computer niet met het wifinetwerk ‘%1’ verbonden (‘%2’).</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; has not come back on the network.

This computer was on the WLAN &quot;%2&quot;, not on &quot;%3&quot;, the WLAN that the speaker was sent into, and can see the speaker only from there. Switch this computer to &quot;%3&quot;, then look for the speaker in the list.</source>
        <translation>De luidspreker ‘%1’ is niet teruggekeerd op het netwerk.

Deze computer zat op het wifinetwerk ‘%2’, niet op ‘%3’, het wifinetwerk waarnaar de luidspreker is gestuurd, en kan de luidspreker alleen vanaf daar zien. Verbind deze computer met ‘%3’ en zoek de luidspreker daarna in de lijst.</translation>
    </message>
    <message>
        <source>Add by address…</source>
        <translation>Toevoegen via adres…</translation>
    </message>
    <message>
        <source>%1 (by address %2)</source>
        <translation>%1 (via adres %2)</translation>
    </message>
    <message>
        <source>Why is no speaker listed?</source>
        <translation>Waarom staat er geen luidspreker in de lijst?</translation>
    </message>
    <message>
        <source>The VPN &quot;%1&quot; is this computer&apos;s route to the network, and may keep the speakers out of reach. Disconnect it, or allow it access to the local network.</source>
        <translation>De VPN ‘%1’ is de route van deze computer naar het netwerk en kan de luidsprekers onbereikbaar maken. Verbreek de VPN-verbinding, of geef de VPN toegang tot het lokale netwerk.</translation>
    </message>
    <message>
        <source>The firewall keeps the speakers&apos; announcements out: its zone &quot;%1&quot; does not allow the service &quot;mdns&quot;. Allow it with &quot;sudo firewall-cmd --permanent --zone=%1 --add-service=mdns &amp;&amp; sudo firewall-cmd --reload&quot;.</source>
        <translation>De firewall houdt de aankondigingen van de luidsprekers tegen: de zone ‘%1’ staat de dienst ‘mdns’ niet toe. Sta deze toe met ‘sudo firewall-cmd --permanent --zone=%1 --add-service=mdns &amp;&amp; sudo firewall-cmd --reload’.</translation>
    </message>
    <message>
        <source>This computer hears no DNS-SD announcements from its network at all: a firewall may block UDP port 5353, or the WLAN keeps its devices apart, as guest networks do.</source>
        <translation>Deze computer ontvangt helemaal geen DNS-SD-aankondigingen uit zijn netwerk: een firewall blokkeert mogelijk UDP-poort 5353, of het wifinetwerk houdt de apparaten van elkaar gescheiden, zoals gastnetwerken doen.</translation>
    </message>
    <message>
        <source>No speaker answers on this network. A speaker in another part of the network (another subnet or VLAN) can be reached by its IP address with &quot;Add by address…&quot;.</source>
        <translation>Geen enkele luidspreker antwoordt op dit netwerk. Een luidspreker in een ander deel van het netwerk (een ander subnet of VLAN) is via zijn IP-adres bereikbaar met ‘Toevoegen via adres…’.</translation>
    </message>
</context>
<context>
    <name>Client_Settings</name>
    <message>
        <source>&lt;&lt; Back</source>
        <translation>&lt; Terug</translation>
    </message>
    <message>
        <source>VANTIR Ovix</source>
        <translation>VANTIR Ovix</translation>
    </message>
    <message>
        <source>Clicking on SAVE will reboot your
VANTIR Ovix-Speakers!</source>
        <translation>Klikken op OPSLAAN start uw
VANTIR Ovix-luidsprekers opnieuw op!</translation>
    </message>
    <message>
        <source>IP Addr:</source>
        <translation>IP-adres:</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Model:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Naam:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Passwd:</source>
        <translation>Wachtwoord:</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>OPSLAAN</translation>
    </message>
    <message>
        <source>Speaker WLAN Settings</source>
        <translation>Wifi-instellingen van de luidspreker</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Gelukt!

Uw VANTIR-luidsprekers starten opnieuw op
en zijn over een minuut beschikbaar…</translation>
    </message>
    <message>
        <source>Vers:</source>
        <translation>Versie:</translation>
    </message>
    <message>
        <source>WLAN:</source>
        <translation>Wifi:</translation>
    </message>
    <message>
        <source>Sending the settings to the speaker…</source>
        <translation>De instellingen worden naar de luidspreker gestuurd…</translation>
    </message>
    <message>
        <source>Waiting for the speaker&apos;s answer</source>
        <translation>Wachten op het antwoord van de luidspreker</translation>
    </message>
    <message>
        <source>Enter a name for the speaker.</source>
        <translation>Voer een naam in voor de luidspreker.</translation>
    </message>
    <message>
        <source>The name is too long: at most 63 characters, and letters such as ä count twice.</source>
        <translation>De naam is te lang: hoogstens 63 tekens, en letters zoals ä tellen dubbel.</translation>
    </message>
    <message>
        <source>The password of this WLAN is too short: at least 8 characters, or 64 hexadecimal digits.</source>
        <translation>Het wachtwoord van dit wifinetwerk is te kort: minstens 8 tekens of 64 hexadecimale cijfers.</translation>
    </message>
    <message>
        <source>The password of this WLAN is too long: at most 63 characters (letters such as ä count twice), or 64 hexadecimal digits.</source>
        <translation>Het wachtwoord van dit wifinetwerk is te lang: hoogstens 63 tekens (letters zoals ä tellen dubbel) of 64 hexadecimale cijfers.</translation>
    </message>
    <message>
        <source>Enter the password of this WLAN.</source>
        <translation>Voer het wachtwoord van dit wifinetwerk in.</translation>
    </message>
    <message>
        <source>The speaker refused the settings. Check the name and the password, then press SAVE again.</source>
        <translation>De luidspreker heeft de instellingen geweigerd. Controleer de naam en het wachtwoord en klik daarna opnieuw op OPSLAAN.</translation>
    </message>
    <message>
        <source>The speaker refused the settings (&quot;%1&quot;). Check the name and the password, then press SAVE again.</source>
        <translation>De luidspreker heeft de instellingen geweigerd (‘%1’). Controleer de naam en het wachtwoord en klik daarna opnieuw op OPSLAAN.</translation>
    </message>
    <message>
        <source>The speaker&apos;s answer could not be used, so it is not known whether it took the settings. Wait a minute and look for it in the speaker list before you try again.</source>
        <translation>Het antwoord van de luidspreker was onbruikbaar, dus het is niet bekend of hij de instellingen heeft overgenomen. Wacht een minuut en zoek hem in de lijst met luidsprekers voordat u het opnieuw probeert.</translation>
    </message>
    <message>
        <source>The speaker did not answer. It may have taken the settings and be restarting: wait a minute and look for it in the speaker list before you try again.</source>
        <translation>De luidspreker heeft niet geantwoord. Misschien heeft hij de instellingen overgenomen en start hij opnieuw op: wacht een minuut en zoek hem in de lijst met luidsprekers voordat u het opnieuw probeert.</translation>
    </message>
    <message>
        <source>The settings were not sent: the speaker could not be reached, so it is as it was. Check that it is switched on and on the same network as this computer, then press SAVE again.</source>
        <translation>De instellingen zijn niet verzonden: de luidspreker was niet bereikbaar en is dus ongewijzigd. Controleer of hij aan staat en op hetzelfde netwerk zit als deze computer en klik daarna opnieuw op OPSLAAN.</translation>
    </message>
    <message>
        <source>The speaker&apos;s answer was too large to use, so it is not known whether it took the settings. Wait a minute and look for it in the speaker list before you try again.</source>
        <translation>Het antwoord van de luidspreker was te groot om te gebruiken, dus het is niet bekend of hij de instellingen heeft overgenomen. Wacht een minuut en zoek hem in de lijst met luidsprekers voordat u het opnieuw probeert.</translation>
    </message>
    <message>
        <source>The settings were not sent: the device at the speaker&apos;s address is no longer the speaker chosen. Choose the speaker again in the speaker list.</source>
        <translation>De instellingen zijn niet verzonden: het apparaat op het adres van de luidspreker is niet meer de gekozen luidspreker. Kies de luidspreker opnieuw in de lijst met luidsprekers.</translation>
    </message>
    <message>
        <source>The front of a VANTIR speaker</source>
        <translation>De voorkant van een VANTIR-luidspreker</translation>
    </message>
    <message>
        <source>Speaker: %1</source>
        <translation>Luidspreker: %1</translation>
    </message>
    <message>
        <source>Security:</source>
        <translation>Beveiliging:</translation>
    </message>
    <message>
        <source>WPA/WPA2/WPA3 Personal</source>
        <translation>WPA/WPA2/WPA3 Persoonlijk</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Show password</source>
        <translation>Wachtwoord tonen</translation>
    </message>
    <message>
        <source>Use this computer&apos;s password</source>
        <translation>Wachtwoord van deze computer</translation>
    </message>
    <message>
        <source>The password could not be read on this computer. Please type it in.</source>
        <translation>Het wachtwoord kon op deze computer niet worden gelezen. Typ het zelf in.</translation>
    </message>
    <message>
        <source>Enter the name of the WLAN.</source>
        <translation>Voer de naam van het wifinetwerk in.</translation>
    </message>
    <message>
        <source>The name of the WLAN is too long: at most 32 characters, and letters such as ä count twice.</source>
        <translation>De naam van het wifinetwerk is te lang: hoogstens 32 tekens, en letters zoals ä tellen dubbel.</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; is no longer announced.</source>
        <translation>De luidspreker ‘%1’ meldt zich niet meer op het netwerk.</translation>
    </message>
    <message>
        <source>The name contains %1, which is not allowed.</source>
        <translation>De naam bevat %1, wat niet is toegestaan.</translation>
    </message>
    <message>
        <source>The name must not start or end with a space.</source>
        <translation>De naam mag niet met een spatie beginnen of eindigen.</translation>
    </message>
    <message>
        <source>The password contains %1, which is not allowed.</source>
        <translation>Het wachtwoord bevat %1, wat niet is toegestaan.</translation>
    </message>
    <message>
        <source>a line break</source>
        <translation>een regeleinde</translation>
    </message>
    <message>
        <source>a tab</source>
        <translation>een tab</translation>
    </message>
    <message>
        <source>the character %1</source>
        <translation>het teken %1</translation>
    </message>
    <message>
        <source>This computer is on the WLAN &quot;%1&quot;, not on &quot;%2&quot;: the speaker can be seen coming back only while this computer is on &quot;%2&quot; too.</source>
        <translation>Deze computer zit op het wifinetwerk ‘%1’, niet op ‘%2’: de terugkeer van de luidspreker is alleen te zien terwijl ook deze computer op ‘%2’ zit.</translation>
    </message>
</context>
<context>
    <name>Client_WLANs</name>
    <message>
        <source>&lt;&lt; Back</source>
        <translation>&lt; Terug</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Next &gt;&gt;</source>
        <translation>Volgende &gt;</translation>
    </message>
    <message>
        <source>No Speakers found</source>
        <translation>Geen luidsprekers gevonden</translation>
    </message>
    <message>
        <source>Please select your private WLAN
  </source>
        <translation>Kies uw eigen wifinetwerk</translation>
    </message>
    <message>
        <source>Reset!</source>
        <translation>Reset!</translation>
    </message>
    <message>
        <source>SSID</source>
        <translation>Wifinetwerk</translation>
    </message>
    <message>
        <source>Select WLAN</source>
        <translation>Wifinetwerk kiezen</translation>
    </message>
    <message>
        <source>Sig</source>
        <translation>Signaal</translation>
    </message>
    <message>
        <source>The speaker is looking for WLANs…</source>
        <translation>De luidspreker zoekt naar wifinetwerken…</translation>
    </message>
    <message>
        <source>Waiting for the speaker&apos;s WLANs</source>
        <translation>Wachten op de wifinetwerken van de luidspreker</translation>
    </message>
    <message>
        <source>The speaker could not be reached. Check that it is switched on and on the same network as this computer, then go back and choose it again.</source>
        <translation>De luidspreker was niet bereikbaar. Controleer of hij aan staat en op hetzelfde netwerk zit als deze computer, ga dan terug en kies hem opnieuw.</translation>
    </message>
    <message>
        <source>The speaker did not answer. Check that it is switched on, then go back and choose it again.</source>
        <translation>De luidspreker heeft niet geantwoord. Controleer of hij aan staat, ga dan terug en kies hem opnieuw.</translation>
    </message>
    <message>
        <source>The speaker&apos;s answer could not be used. Go back and choose it again; if that does not help, switch the speaker off and on.</source>
        <translation>Het antwoord van de luidspreker was onbruikbaar. Ga terug en kies hem opnieuw; helpt dat niet, zet de luidspreker dan uit en weer aan.</translation>
    </message>
    <message>
        <source>The speaker&apos;s answer was too large to use. Go back and choose it again; if that does not help, switch the speaker off and on.</source>
        <translation>Het antwoord van de luidspreker was te groot om te gebruiken. Ga terug en kies hem opnieuw; helpt dat niet, zet de luidspreker dan uit en weer aan.</translation>
    </message>
    <message>
        <source>The speaker found no WLANs. Check that your WLAN router is switched on, then go back and choose the speaker again.</source>
        <translation>De luidspreker heeft geen wifinetwerken gevonden. Controleer of uw wifirouter aan staat, ga dan terug en kies de luidspreker opnieuw.</translation>
    </message>
    <message>
        <source>WLANs the speaker sees</source>
        <translation>Wifinetwerken die de luidspreker ziet</translation>
    </message>
    <message>
        <source>A radio mast sending to a speaker</source>
        <translation>Een zendmast die naar een luidspreker zendt</translation>
    </message>
    <message>
        <source>Speaker: %1</source>
        <translation>Luidspreker: %1</translation>
    </message>
    <message>
        <source>Known to this computer</source>
        <translation>Bekend op deze computer</translation>
    </message>
    <message>
        <source>Known to this computer, connected now</source>
        <translation>Bekend op deze computer, nu verbonden</translation>
    </message>
    <message>
        <source>Rescan</source>
        <translation>Opnieuw zoeken</translation>
    </message>
    <message>
        <source>Other network…</source>
        <translation>Ander netwerk…</translation>
    </message>
    <message>
        <source>A WLAN that the speaker does not list</source>
        <translation>Een wifinetwerk dat de luidspreker niet toont</translation>
    </message>
    <message>
        <source>The speaker found no WLANs this time. The list shows those it found before.</source>
        <translation>De luidspreker heeft deze keer geen wifinetwerken gevonden. De lijst toont de eerder gevonden netwerken.</translation>
    </message>
    <message>
        <source>The speaker could not be reached for a new search. The list shows the WLANs it found before.</source>
        <translation>De luidspreker was niet bereikbaar voor een nieuwe zoekactie. De lijst toont de eerder gevonden wifinetwerken.</translation>
    </message>
    <message>
        <source>The speaker did not answer the new search. The list shows the WLANs it found before.</source>
        <translation>De luidspreker heeft niet op de nieuwe zoekactie geantwoord. De lijst toont de eerder gevonden wifinetwerken.</translation>
    </message>
    <message>
        <source>The speaker&apos;s answer to the new search could not be used. The list shows the WLANs it found before.</source>
        <translation>Het antwoord van de luidspreker op de nieuwe zoekactie was onbruikbaar. De lijst toont de eerder gevonden wifinetwerken.</translation>
    </message>
    <message>
        <source>The speaker&apos;s answer to the new search was too large to use. The list shows the WLANs it found before.</source>
        <translation>Het antwoord van de luidspreker op de nieuwe zoekactie was te groot om te gebruiken. De lijst toont de eerder gevonden wifinetwerken.</translation>
    </message>
    <message>
        <source>The WLAN &quot;%1&quot; is no longer listed. Choose one.</source>
        <translation>Het wifinetwerk ‘%1’ staat niet meer in de lijst. Kies er een.</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; is no longer announced.</source>
        <translation>De luidspreker ‘%1’ meldt zich niet meer op het netwerk.</translation>
    </message>
</context>
<context>
    <name>AddressDialog</name>
    <message>
        <source>Add a speaker by its address</source>
        <translation>Een luidspreker toevoegen via zijn adres</translation>
    </message>
    <message>
        <source>An IPv4 or IPv6 address or a host name, with &quot;:PORT&quot; when the speaker does not answer on port 80.</source>
        <translation>Een IPv4- of IPv6-adres of een hostnaam, met ‘:POORT’ als de luidspreker niet op poort 80 antwoordt.</translation>
    </message>
    <message>
        <source>Waiting for the device at the address</source>
        <translation>Wachten op het apparaat op het adres</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Toevoegen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adres:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an address. Type an IPv4 or IPv6 address or a host name, optionally followed by &quot;:&quot; and a port from 1 to 65535.</source>
        <translation>‘%1’ is geen adres. Typ een IPv4- of IPv6-adres of een hostnaam, eventueel gevolgd door ‘:’ en een poort van 1 tot 65535.</translation>
    </message>
    <message>
        <source>Asking %1…</source>
        <translation>%1 wordt gevraagd…</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; is not known on this network.</source>
        <translation>De naam ‘%1’ is op dit netwerk niet bekend.</translation>
    </message>
    <message>
        <source>No answer from %1. Check the address and that the speaker is switched on; a firewall or a guest WLAN may also keep it out of reach.</source>
        <translation>Geen antwoord van %1. Controleer het adres en of de luidspreker aan staat; ook een firewall of een gastennetwerk kan hem onbereikbaar maken.</translation>
    </message>
    <message>
        <source>The device at %1 answers, but not as a VANTIR speaker.</source>
        <translation>Het apparaat op %1 antwoordt, maar niet als VANTIR-luidspreker.</translation>
    </message>
</context>
</TS>
