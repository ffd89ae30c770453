<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en">
<context>
    <name>Client</name>
    <message>
        <source>&lt;&lt; Back</source>
        <translation>&lt; Indietro</translation>
    </message>
    <message>
        <source>VANTIR Ovix Configurator</source>
        <translation>Configuratore VANTIR Ovix</translation>
    </message>
    <message>
        <source>Available VANTIR Speakers</source>
        <translation>Altoparlanti VANTIR disponibili</translation>
    </message>
    <message>
        <source>Next &gt;&gt;</source>
        <translation>Avanti &gt;</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>The Speakers and your
device have to be in
the same WLAN!</source>
        <translation>Gli altoparlanti e il tuo
dispositivo devono essere
sulla stessa rete Wi-Fi!</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>The speaker could not be reached. Check that it is switched on and on the same network as this computer, then choose it again.</source>
        <translation>Impossibile raggiungere l’altoparlante. Controlla che sia acceso e sulla stessa rete di questo computer, poi sceglilo di nuovo.</translation>
    </message>
    <message>
        <source>The search for speakers is not available: this computer&apos;s DNS-SD service (avahi-daemon) does not answer. Start it, for example with &quot;sudo systemctl start avahi-daemon&quot;, and the list fills by itself.</source>
        <translation>La ricerca degli altoparlanti non è disponibile: il servizio DNS-SD di questo computer (avahi-daemon) non risponde. Avvialo, ad esempio con «sudo systemctl start avahi-daemon», e l’elenco si riempirà da solo.</translation>
    </message>
    <message>
        <source>The search for speakers is not available: this computer&apos;s DNS-SD service (Bonjour) does not answer. Start the Bonjour service (or install it), and the list fills by itself.</source>
        <translation>La ricerca degli altoparlanti non è disponibile: il servizio DNS-SD di questo computer (Bonjour) non risponde. Avvia il servizio Bonjour (o installalo) e l’elenco si riempirà da solo.</translation>
    </message>
    <message>
        <source>Speakers on this network</source>
        <translation>Altoparlanti su questa rete</translation>
    </message>
    <message>
        <source>A row of VANTIR speakers</source>
        <translation>Una fila di altoparlanti VANTIR</translation>
    </message>
    <message>
        <source>Waiting for the speaker</source>
        <translation>In attesa dell’altoparlante</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; is back on the network under its new name, IP address %2.</source>
        <translation>L’altoparlante «%1» è di nuovo in rete con il nuovo nome, indirizzo IP %2.</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; came back but kept its old name: the settings did not take.</source>
        <translation>L’altoparlante «%1» è tornato, ma ha mantenuto il vecchio nome: le impostazioni non sono state applicate.</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; has not come back on the network.

Please check:
- the WLAN password: a wrong password is the usual cause;
- that this computer is on the home WLAN now: if it was joined to the speaker&apos;s own network, join the home WLAN again;
- a speaker that joined no network must be reset and set up again.</source>
        <translation>L’altoparlante «%1» non è tornato in rete.

Controlla:
- la password Wi-Fi: una password sbagliata è la causa più comune;
- che questo computer sia ora sulla rete Wi-Fi di casa: se era connesso alla rete dell’altoparlante, riconnettilo alla rete Wi-Fi di casa;
- un altoparlante che non si è connesso a nessuna rete va ripristinato e configurato di nuovo.</translation>
    </message>
    <message>
        <source>The search for speakers is not available, so the speaker cannot be reached now.</source>
        <translation>La ricerca degli altoparlanti non è disponibile, quindi al momento l’altoparlante non è raggiungibile.</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; is no longer announced.</source>
        <translation>L’altoparlante «%1» non si annuncia più sulla rete.</translation>
    </message>
    <message>
        <source>Waiting for saved speakers</source>
        <translation>In attesa degli altoparlanti configurati</translation>
    </message>
    <message>
        <source>Waiting for &quot;%1&quot; to come back…</source>
        <translation>In attesa del ritorno di «%1»…</translation>
    </message>
    <message>
        <source>Waiting for %1 speakers to come back…</source>
        <translation>In attesa del ritorno di %1 altoparlanti…</translation>
    </message>
    <message>
        <source>The configurator is still waiting for the speaker &quot;%1&quot; to come back. Quit anyway?</source>
        <translation>Il configuratore è ancora in attesa del ritorno dell’altoparlante «%1». Uscire comunque?</translation>
    </message>
    <message>
        <source>The configurator is still waiting for %1 speakers to come back. Quit anyway?</source>
        <translation>Il configuratore è ancora in attesa del ritorno di %1 altoparlanti. Uscire comunque?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; is back on the network, on the WLAN &quot;%2&quot;, IP address %3.</source>
        <translation>L’altoparlante «%1» è di nuovo in rete, sulla rete Wi-Fi «%2», indirizzo IP %3.</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; is back on the network, but on another WLAN: &quot;%2&quot; instead of &quot;%3&quot;. IP address %4.</source>
        <translation>L’altoparlante «%1» è di nuovo in rete, ma su un’altra rete Wi-Fi: «%2» invece di «%3». Indirizzo IP %4.</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; is back on the network, IP address %2. Whether it joined the WLAN &quot;%3&quot; cannot be told from here.</source>
        <translation>L’altoparlante «%1» è di nuovo in rete, indirizzo IP %2. Da qui non si può sapere se si è connesso alla rete Wi-Fi «%3».</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; is back in the list but does not answer.</source>
        <translation>L’altoparlante «%1» è di nuovo nell’elenco, ma non risponde.</translation>
    </message>
    <message>
        <source>Another device answers under the name &quot;%1&quot;, at IP address %2: it is not the speaker that was saved, which is still awaited.</source>
        <translation>Un altro dispositivo risponde con il nome «%1», all’indirizzo IP %2: non è l’altoparlante configurato, che è ancora atteso.</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; has not yet answered whether it takes the settings.</source>
        <translation>L’altoparlante «%1» non ha ancora risposto se accetta le impostazioni.</translation>
    </message>
    <message>
        <source>The configurator is also waiting for the speaker &quot;%1&quot; to come back.</source>
        <translation>Il configuratore è anche in attesa del ritorno dell’altoparlante «%1».</translation>
    </message>
    <message>
        <source>The configurator is also waiting for %1 speakers to come back.</source>
        <translation>Il configuratore è anche in attesa del ritorno di %1 altoparlanti.</translation>
    </message>
    <message>
        <source>Quit once the answer is in?</source>
        <translation>Uscire appena arriva la risposta?</translation>
    </message>
    <message>
        <source>Quit once the answers are in?</source>
        <translation>Uscire appena arrivano le risposte?</translation>
    </message>
    <message>
        <source>Quitting once the speaker &quot;%1&quot; has answered…</source>
        <translation>Chiusura non appena l’altoparlante «%1» avrà risposto…</translation>
    </message>
    <message>
        <source>Quitting once %1 speakers have answered…</source>
        <translation>Chiusura non appena %1 altoparlanti avranno risposto…</translation>
    </message>
    <message>
        <source>Switch this computer to &quot;%1&quot;</source>
        <translation>Connetti questo computer a «%1»</translation>
    </message>
    <message>
        <source>Switching this computer to the WLAN &quot;%1&quot;…</source>
        <translation>Connessione di questo computer alla rete Wi-Fi «%1»…</translation>
    </message>
    <message>
        <source>This computer is joining the WLAN &quot;%1&quot;.</source>
        <translation>Questo computer si sta connettendo alla rete Wi-Fi «%1».</translation>
    </message>
    <message>
        <source>This computer could not be switched to the WLAN &quot;%1&quot;: it has no saved connection for it any more.</source>
        <translation>Non è stato possibile connettere questo computer alla rete Wi-Fi «%1»: non ha più una connessione salvata per questa rete.</translation>
    </message>
    <message>
        <source>This computer could not be switched to the WLAN &quot;%1&quot;: NetworkManager did not answer.</source>
        <translation>Non è stato possibile connettere questo computer alla rete Wi-Fi «%1»: NetworkManager non ha risposto.</translation>
    </message>
    <message>
        <source>NetworkManager did not switch this computer to the WLAN &quot;%1&quot; (&quot;%2&quot;).</source>
        <translation>NetworkManager non ha connesso questo computer alla rete Wi-Fi «%1» («%2»).</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; has not come back on the network.

This computer was on the WLAN &quot;%2&quot;, not on &quot;%3&quot;, the WLAN that the speaker was sent into, and can see the speaker only from there. Switch this computer to &quot;%3&quot;, then look for the speaker in the list.</source>
        <translation>L’altoparlante «%1» non è tornato in rete.

Questo computer era sulla rete Wi-Fi «%2», non su «%3», la rete Wi-Fi in cui è stato inviato l’altoparlante, e può vedere l’altoparlante solo da lì. Connetti questo computer a «%3», poi cerca l’altoparlante nell’elenco.</translation>
    </message>
    <message>
        <source>Add by address…</source>
        <translation>Aggiungi tramite indirizzo…</translation>
    </message>
    <message>
        <source>%1 (by address %2)</source>
        <translation>%1 (tramite l’indirizzo %2)</translation>
    </message>
    <message>
        <source>Why is no speaker listed?</source>
        <translation>Perché non è elencato nessun altoparlante?</translation>
    </message>
    <message>
        <source>The VPN &quot;%1&quot; is this computer&apos;s route to the network, and may keep the speakers out of reach. Disconnect it, or allow it access to the local network.</source>
        <translation>La VPN «%1» è la via di questo computer verso la rete e può rendere irraggiungibili gli altoparlanti. Disconnettila, oppure consentile l’accesso alla rete locale.</translation>
    </message>
    <message>
        <source>The firewall keeps the speakers&apos; announcements out: its zone &quot;%1&quot; does not allow the service &quot;mdns&quot;. Allow it with &quot;sudo firewall-cmd --permanent --zone=%1 --add-service=mdns &amp;&amp; sudo firewall-cmd --reload&quot;.</source>
        <translation>Il firewall blocca gli annunci degli altoparlanti: la sua zona «%1» non consente il servizio «mdns». Consentilo con «sudo firewall-cmd --permanent --zone=%1 --add-service=mdns &amp;&amp; sudo firewall-cmd --reload».</translation>
    </message>
    <message>
        <source>This computer hears no DNS-SD announcements from its network at all: a firewall may block UDP port 5353, or the WLAN keeps its devices apart, as guest networks do.</source>
        <translation>Questo computer non riceve alcun annuncio DNS-SD dalla sua rete: un firewall potrebbe bloccare la porta UDP 5353, oppure la rete Wi-Fi tiene separati i suoi dispositivi, come fanno le reti per gli ospiti.</translation>
    </message>
    <message>
        <source>No speaker answers on this network. A speaker in another part of the network (another subnet or VLAN) can be reached by its IP address with &quot;Add by address…&quot;.</source>
        <translation>Nessun altoparlante risponde su questa rete. Un altoparlante in un’altra parte della rete (un’altra sottorete o VLAN) si raggiunge tramite il suo indirizzo IP con «Aggiungi tramite indirizzo…».</translation>
    </message>
</context>
<context>
    <name>Client_Settings</name>
    <message>
        <source>&lt;&lt; Back</source>
        <translation>&lt; Indietro</translation>
    </message>
    <message>
        <source>VANTIR Ovix</source>
        <translation>VANTIR Ovix</translation>
    </message>
    <message>
        <source>Clicking on SAVE will reboot your
VANTIR Ovix-Speakers!</source>
        <translation>Facendo clic su SALVA i tuoi altoparlanti
VANTIR Ovix si riavvieranno!</translation>
    </message>
    <message>
        <source>IP Addr:</source>
        <translation>Indirizzo IP:</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Modello:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Passwd:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>SALVA</translation>
    </message>
    <message>
        <source>Speaker WLAN Settings</source>
        <translation>Impostazioni Wi-Fi dell’altoparlante</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Fatto!

I tuoi altoparlanti VANTIR si stanno riavviando
e saranno disponibili tra un minuto…</translation>
    </message>
    <message>
        <source>Vers:</source>
        <translation>Versione:</translation>
    </message>
    <message>
        <source>WLAN:</source>
        <translation>Wi-Fi:</translation>
    </message>
    <message>
        <source>Sending the settings to the speaker…</source>
        <translation>Invio delle impostazioni all’altoparlante…</translation>
    </message>
    <message>
        <source>Waiting for the speaker&apos;s answer</source>
        <translation>In attesa della risposta dell’altoparlante</translation>
    </message>
    <message>
        <source>Enter a name for the speaker.</source>
        <translation>Inserisci un nome per l’altoparlante.</translation>
    </message>
    <message>
        <source>The name is too long: at most 63 characters, and letters such as ä count twice.</source>
        <translation>Il nome è troppo lungo: al massimo 63 caratteri, e lettere come ä contano doppio.</translation>
    </message>
    <message>
        <source>The password of this WLAN is too short: at least 8 characters, or 64 hexadecimal digits.</source>
        <translation>La password di questa rete Wi-Fi è troppo corta: almeno 8 caratteri, oppure 64 cifre esadecimali.</translation>
    </message>
    <message>
        <source>The password of this WLAN is too long: at most 63 characters (letters such as ä count twice), or 64 hexadecimal digits.</source>
        <translation>La password di questa rete Wi-Fi è troppo lunga: al massimo 63 caratteri (lettere come ä contano doppio), oppure 64 cifre esadecimali.</translation>
    </message>
    <message>
        <source>Enter the password of this WLAN.</source>
        <translation>Inserisci la password di questa rete Wi-Fi.</translation>
    </message>
    <message>
        <source>The speaker refused the settings. Check the name and the password, then press SAVE again.</source>
        <translation>L’altoparlante ha rifiutato le impostazioni. Controlla il nome e la password, poi premi di nuovo SALVA.</translation>
    </message>
    <message>
        <source>The speaker refused the settings (&quot;%1&quot;). Check the name and the password, then press SAVE again.</source>
        <translation>L’altoparlante ha rifiutato le impostazioni («%1»). Controlla il nome e la password, poi premi di nuovo SALVA.</translation>
    </message>
    <message>
        <source>The speaker&apos;s answer could not be used, so it is not known whether it took the settings. Wait a minute and look for it in the speaker list before you try again.</source>
        <translation>La risposta dell’altoparlante non è utilizzabile, quindi non si sa se ha accettato le impostazioni. Attendi un minuto e cercalo nell’elenco degli altoparlanti prima di riprovare.</translation>
    </message>
    <message>
        <source>The speaker did not answer. It may have taken the settings and be restarting: wait a minute and look for it in the speaker list before you try again.</source>
        <translation>L’altoparlante non ha risposto. Forse ha accettato le impostazioni e si sta riavviando: attendi un minuto e cercalo nell’elenco degli altoparlanti prima di riprovare.</translation>
    </message>
    <message>
        <source>The settings were not sent: the speaker could not be reached, so it is as it was. Check that it is switched on and on the same network as this computer, then press SAVE again.</source>
        <translation>Le impostazioni non sono state inviate: l’altoparlante non era raggiungibile, quindi è rimasto com’era. Controlla che sia acceso e sulla stessa rete di questo computer, poi premi di nuovo SALVA.</translation>
    </message>
    <message>
        <source>The speaker&apos;s answer was too large to use, so it is not known whether it took the settings. Wait a minute and look for it in the speaker list before you try again.</source>
        <translation>La risposta dell’altoparlante era troppo grande per essere usata, quindi non si sa se ha accettato le impostazioni. Attendi un minuto e cercalo nell’elenco degli altoparlanti prima di riprovare.</translation>
    </message>
    <message>
        <source>The settings were not sent: the device at the speaker&apos;s address is no longer the speaker chosen. Choose the speaker again in the speaker list.</source>
        <translation>Le impostazioni non sono state inviate: il dispositivo all’indirizzo dell’altoparlante non è più l’altoparlante scelto. Scegli di nuovo l’altoparlante nell’elenco degli altoparlanti.</translation>
    </message>
    <message>
        <source>The front of a VANTIR speaker</source>
        <translation>Il frontale di un altoparlante VANTIR</translation>
    </message>
    <message>
        <source>Speaker: %1</source>
        <translation>Altoparlante: %1</translation>
    </message>
    <message>
        <source>Security:</source>
        <translation>Sicurezza:</translation>
    </message>
    <message>
        <source>WPA/WPA2/WPA3 Personal</source>
        <translation>WPA/WPA2/WPA3 Personal</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Aperta</translation>
    </message>
    <message>
        <source>Show password</source>
        <translation>Mostra password</translation>
    </message>
    <message>
        <source>Use this computer&apos;s password</source>
        <translation>Usa la password del computer</translation>
    </message>
    <message>
        <source>The password could not be read on this computer. Please type it in.</source>
        <translation>Non è stato possibile leggere la password su questo computer. Inseriscila a mano.</translation>
    </message>
    <message>
        <source>Enter the name of the WLAN.</source>
        <translation>Inserisci il nome della rete Wi-Fi.</translation>
    </message>
    <message>
        <source>The name of the WLAN is too long: at most 32 characters, and letters such as ä count twice.</source>
        <translation>Il nome della rete Wi-Fi è troppo lungo: al massimo 32 caratteri, e lettere come ä contano doppio.</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; is no longer announced.</source>
        <translation>L’altoparlante «%1» non si annuncia più sulla rete.</translation>
    </message>
    <message>
        <source>The name contains %1, which is not allowed.</source>
        <translation>Il nome contiene %1, che non è consentito.</translation>
    </message>
    <message>
        <source>The name must not start or end with a space.</source>
        <translation>Il nome non deve iniziare né finire con uno spazio.</translation>
    </message>
    <message>
        <source>The password contains %1, which is not allowed.</source>
        <translation>La password contiene %1, che non è consentito.</translation>
    </message>
    <message>
        <source>a line break</source>
        <translation>un a capo</translation>
    </message>
    <message>
        <source>a tab</source>
        <translation>una tabulazione</translation>
    </message>
    <message>
        <source>the character %1</source>
        <translation>il carattere %1</translation>
    </message>
    <message>
        <source>This computer is on the WLAN &quot;%1&quot;, not on &quot;%2&quot;: the speaker can be seen coming back only while this computer is on &quot;%2&quot; too.</source>
        <translation>Questo computer è sulla rete Wi-Fi «%1», non su «%2»: il ritorno dell’altoparlante si può vedere solo mentre anche questo computer è su «%2».</translation>
    </message>
</context>
<context>
    <name>Client_WLANs</name>
    <message>
        <source>&lt;&lt; Back</source>
        <translation>&lt; Indietro</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Next &gt;&gt;</source>
        <translation>Avanti &gt;</translation>
    </message>
    <message>
        <source>No Speakers found</source>
        <translation>Nessun altoparlante trovato</translation>
    </message>
    <message>
        <source>Please select your private WLAN
  </source>
        <translation>Scegli la tua rete Wi-Fi privata</translation>
    </message>
    <message>
        <source>Reset!</source>
        <translation>Ripristina!</translation>
    </message>
    <message>
        <source>SSID</source>
        <translation>Rete Wi-Fi</translation>
    </message>
    <message>
        <source>Select WLAN</source>
        <translation>Scegli la rete Wi-Fi</translation>
    </message>
    <message>
        <source>Sig</source>
        <translation>Segnale</translation>
    </message>
    <message>
        <source>The speaker is looking for WLANs…</source>
        <translation>L’altoparlante sta cercando reti Wi-Fi…</translation>
    </message>
    <message>
        <source>Waiting for the speaker&apos;s WLANs</source>
        <translation>In attesa delle reti Wi-Fi dell’altoparlante</translation>
    </message>
    <message>
        <source>The speaker could not be reached. Check that it is switched on and on the same network as this computer, then go back and choose it again.</source>
        <translation>Impossibile raggiungere l’altoparlante. Controlla che sia acceso e sulla stessa rete di questo computer, poi torna indietro e sceglilo di nuovo.</translation>
    </message>
    <message>
        <source>The speaker did not answer. Check that it is switched on, then go back and choose it again.</source>
        <translation>L’altoparlante non ha risposto. Controlla che sia acceso, poi torna indietro e sceglilo di nuovo.</translation>
    </message>
    <message>
        <source>The speaker&apos;s answer could not be used. Go back and choose it again; if that does not help, switch the speaker off and on.</source>
        <translation>La risposta dell’altoparlante non è utilizzabile. Torna indietro e sceglilo di nuovo; se non basta, spegni e riaccendi l’altoparlante.</translation>
    </message>
    <message>
        <source>The speaker&apos;s answer was too large to use. Go back and choose it again; if that does not help, switch the speaker off and on.</source>
        <translation>La risposta dell’altoparlante era troppo grande per essere usata. Torna indietro e sceglilo di nuovo; se non basta, spegni e riaccendi l’altoparlante.</translation>
    </message>
    <message>
        <source>The speaker found no WLANs. Check that your WLAN router is switched on, then go back and choose the speaker again.</source>
        <translation>L’altoparlante non ha trovato reti Wi-Fi. Controlla che il router Wi-Fi sia acceso, poi torna indietro e scegli di nuovo l’altoparlante.</translation>
    </message>
    <message>
        <source>WLANs the speaker sees</source>
        <translation>Reti Wi-Fi viste dall’altoparlante</translation>
    </message>
    <message>
        <source>A radio mast sending to a speaker</source>
        <translation>Un’antenna radio che trasmette a un altoparlante</translation>
    </message>
    <message>
        <source>Speaker: %1</source>
        <translation>Altoparlante: %1</translation>
    </message>
    <message>
        <source>Known to this computer</source>
        <translation>Conosciuta da questo computer</translation>
    </message>
    <message>
        <source>Known to this computer, connected now</source>
        <translation>Conosciuta da questo computer, connessa ora</translation>
    </message>
    <message>
        <source>Rescan</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>Other network…</source>
        <translation>Altra rete…</translation>
    </message>
    <message>
        <source>A WLAN that the speaker does not list</source>
        <translation>Una rete Wi-Fi che l’altoparlante non elenca</translation>
    </message>
    <message>
        <source>The speaker found no WLANs this time. The list shows those it found before.</source>
        <translation>Questa volta l’altoparlante non ha trovato reti Wi-Fi. L’elenco mostra quelle trovate in precedenza.</translation>
    </message>
    <message>
        <source>The speaker could not be reached for a new search. The list shows the WLANs it found before.</source>
        <translation>L’altoparlante non era raggiungibile per una nuova ricerca. L’elenco mostra le reti Wi-Fi trovate in precedenza.</translation>
    </message>
    <message>
        <source>The speaker did not answer the new search. The list shows the WLANs it found before.</source>
        <translation>L’altoparlante non ha risposto alla nuova ricerca. L’elenco mostra le reti Wi-Fi trovate in precedenza.</translation>
    </message>
    <message>
        <source>The speaker&apos;s answer to the new search could not be used. The list shows the WLANs it found before.</source>
        <translation>La risposta dell’altoparlante alla nuova ricerca non è utilizzabile. L’elenco mostra le reti Wi-Fi trovate in precedenza.</translation>
    </message>
    <message>
        <source>The speaker&apos;s answer to the new search was too large to use. The list shows the WLANs it found before.</source>
        <translation>La risposta dell’altoparlante alla nuova ricerca era troppo grande per essere usata. L’elenco mostra le reti Wi-Fi trovate in precedenza.</translation>
    </message>
    <message>
        <source>The WLAN &quot;%1&quot; is no longer listed. Choose one.</source>
        <translation>La rete Wi-Fi «%1» non è più elencata. Scegline una.</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; is no longer announced.</source>
        <translation>L’altoparlante «%1» non si annuncia più sulla rete.</translation>
    </message>
</context>
<context>
    <name>AddressDialog</name>
    <message>
        <source>Add a speaker by its address</source>
        <translation>Aggiungi un altoparlante tramite il suo indirizzo</translation>
    </message>
    <message>
        <source>An IPv4 or IPv6 address or a host name, with &quot;:PORT&quot; when the speaker does not answer on port 80.</source>
        <translation>Un indirizzo IPv4 o IPv6 o un nome host, con «:PORTA» se l’altoparlante non risponde sulla porta 80.</translation>
    </message>
    <message>
        <source>Waiting for the device at the address</source>
        <translation>In attesa del dispositivo all’indirizzo</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Indirizzo:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an address. Type an IPv4 or IPv6 address or a host name, optionally followed by &quot;:&quot; and a port from 1 to 65535.</source>
        <translation>«%1» non è un indirizzo. Inserisci un indirizzo IPv4 o IPv6 o un nome host, eventualmente seguito da «:» e da una porta da 1 a 65535.</translation>
    </message>
    <message>
        <source>Asking %1…</source>
        <translation>Interrogazione di %1…</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; is not known on this network.</source>
        <translation>Il nome «%1» non è noto su questa rete.</translation>
    </message>
    <message>
        <source>No answer from %1. Check the address and that the speaker is switched on; a firewall or a guest WLAN may also keep it out of reach.</source>
        <translation>Nessuna risposta da %1. Controlla l’indirizzo e che l’altoparlante sia acceso; anche un firewall o una rete Wi-Fi per ospiti possono renderlo irraggiungibile.</translation>
    </message>
    <message>
        <source>The device at %1 answers, but not as a VANTIR speaker.</source>
        <translation>Il dispositivo all’indirizzo %1 risponde, ma non come un altoparlante VANTIR.</translation>
    </message>
</context>
</TS>
