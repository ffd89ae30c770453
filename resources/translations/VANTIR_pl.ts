<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="en">
<context>
    <name>Client</name>
    <message>
        <source>&lt;&lt; Back</source>
        <translation>&lt; Wstecz</translation>
    </message>
    <message>
        <source>VANTIR Ovix Configurator</source>
        <translation>Konfigurator VANTIR Ovix</translation>
    </message>
    <message>
        <source>Available VANTIR Speakers</source>
        <translation>Dostępne głośniki VANTIR</translation>
    </message>
    <message>
        <source>Next &gt;&gt;</source>
        <translation>Dalej &gt;</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>The Speakers and your
device have to be in
the same WLAN!</source>
        <translation>Głośniki i twoje
urządzenie muszą być
w tej samej sieci Wi-Fi!</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Informacja</translation>
    </message>
    <message>
        <source>The speaker could not be reached. Check that it is switched on and on the same network as this computer, then choose it again.</source>
        <translation>Nie udało się połączyć z głośnikiem. Sprawdź, czy jest włączony i w tej samej sieci co ten komputer, a następnie wybierz go ponownie.</translation>
    </message>
    <message>
        <source>The search for speakers is not available: this computer&apos;s DNS-SD service (avahi-daemon) does not answer. Start it, for example with &quot;sudo systemctl start avahi-daemon&quot;, and the list fills by itself.</source>
        <translation>Wyszukiwanie głośników jest niedostępne: usługa DNS-SD tego komputera (avahi-daemon) nie odpowiada. Uruchom ją, na przykład poleceniem „sudo systemctl start avahi-daemon”, a lista wypełni się sama.</translation>
    </message>
    <message>
        <source>The search for speakers is not available: this computer&apos;s DNS-SD service (Bonjour) does not answer. Start the Bonjour service (or install it), and the list fills by itself.</source>
        <translation>Wyszukiwanie głośników jest niedostępne: usługa DNS-SD tego komputera (Bonjour) nie odpowiada. Uruchom usługę Bonjour (lub ją zainstaluj), a lista wypełni się sama.</translation>
    </message>
    <message>
        <source>Speakers on this network</source>
        <translation>Głośniki w tej sieci</translation>
    </message>
    <message>
        <source>A row of VANTIR speakers</source>
        <translation>Rząd głośników VANTIR</translation>
    </message>
    <message>
        <source>Waiting for the speaker</source>
        <translation>Oczekiwanie na głośnik</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; is back on the network under its new name, IP address %2.</source>
        <translation>Głośnik „%1” jest z powrotem w sieci pod nową nazwą, adres IP %2.</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; came back but kept its old name: the settings did not take.</source>
        <translation>Głośnik „%1” wrócił, ale zachował starą nazwę: ustawienia nie zostały przyjęte.</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; has not come back on the network.

Please check:
- the WLAN password: a wrong password is the usual cause;
- that this computer is on the home WLAN now: if it was joined to the speaker&apos;s own network, join the home WLAN again;
- a speaker that joined no network must be reset and set up again.</source>
        <translation>Głośnik „%1” nie wrócił do sieci.

Sprawdź:
- hasło Wi-Fi: najczęstszą przyczyną jest błędne hasło;
- czy ten komputer jest teraz w domowej sieci Wi-Fi: jeśli był połączony z własną siecią głośnika, połącz go ponownie z domową siecią Wi-Fi;
- głośnik, który nie połączył się z żadną siecią, trzeba zresetować i skonfigurować od nowa.</translation>
    </message>
    <message>
        <source>The search for speakers is not available, so the speaker cannot be reached now.</source>
        <translation>Wyszukiwanie głośników jest niedostępne, więc z głośnikiem nie można się teraz połączyć.</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; is no longer announced.</source>
        <translation>Głośnik „%1” nie zgłasza się już w sieci.</translation>
    </message>
    <message>
        <source>Waiting for saved speakers</source>
        <translation>Oczekiwanie na skonfigurowane głośniki</translation>
    </message>
    <message>
        <source>Waiting for &quot;%1&quot; to come back…</source>
        <translation>Oczekiwanie na powrót „%1”…</translation>
    </message>
    <message>
        <source>Waiting for %1 speakers to come back…</source>
        <translation>Oczekiwanie na powrót głośników (%1)…</translation>
    </message>
    <message>
        <source>The configurator is still waiting for the speaker &quot;%1&quot; to come back. Quit anyway?</source>
        <translation>Konfigurator nadal czeka na powrót głośnika „%1”. Mimo to zakończyć?</translation>
    </message>
    <message>
        <source>The configurator is still waiting for %1 speakers to come back. Quit anyway?</source>
        <translation>Konfigurator nadal czeka na powrót głośników (%1). Mimo to zakończyć?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; is back on the network, on the WLAN &quot;%2&quot;, IP address %3.</source>
        <translation>Głośnik „%1” jest z powrotem w sieci, w sieci Wi-Fi „%2”, adres IP %3.</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; is back on the network, but on another WLAN: &quot;%2&quot; instead of &quot;%3&quot;. IP address %4.</source>
        <translation>Głośnik „%1” jest z powrotem w sieci, ale w innej sieci Wi-Fi: „%2” zamiast „%3”. Adres IP %4.</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; is back on the network, IP address %2. Whether it joined the WLAN &quot;%3&quot; cannot be told from here.</source>
        <translation>Głośnik „%1” jest z powrotem w sieci, adres IP %2. Stąd nie da się stwierdzić, czy połączył się z siecią Wi-Fi „%3”.</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; is back in the list but does not answer.</source>
        <translation>Głośnik „%1” jest z powrotem na liście, ale nie odpowiada.</translation>
    </message>
    <message>
        <source>Another device answers under the name &quot;%1&quot;, at IP address %2: it is not the speaker that was saved, which is still awaited.</source>
        <translation>Inne urządzenie odpowiada pod nazwą „%1”, pod adresem IP %2: to nie jest skonfigurowany głośnik, na który nadal trwa oczekiwanie.</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; has not yet answered whether it takes the settings.</source>
        <translation>Głośnik „%1” nie odpowiedział jeszcze, czy przyjmuje ustawienia.</translation>
    </message>
    <message>
        <source>The configurator is also waiting for the speaker &quot;%1&quot; to come back.</source>
        <translation>Konfigurator czeka też na powrót głośnika „%1”.</translation>
    </message>
    <message>
        <source>The configurator is also waiting for %1 speakers to come back.</source>
        <translation>Konfigurator czeka też na powrót głośników (%1).</translation>
    </message>
    <message>
        <source>Quit once the answer is in?</source>
        <translation>Zakończyć, gdy nadejdzie odpowiedź?</translation>
    </message>
    <message>
        <source>Quit once the answers are in?</source>
        <translation>Zakończyć, gdy nadejdą odpowiedzi?</translation>
    </message>
    <message>
        <source>Quitting once the speaker &quot;%1&quot; has answered…</source>
        <translation>Program zakończy działanie, gdy głośnik „%1” odpowie…</translation>
    </message>
    <message>
        <source>Quitting once %1 speakers have answered…</source>
        <translation>Program zakończy działanie, gdy odpowiedzą głośniki (%1)…</translation>
    </message>
    <message>
        <source>Switch this computer to &quot;%1&quot;</source>
        <translation>Połącz ten komputer z „%1”</translation>
    </message>
    <message>
        <source>Switching this computer to the WLAN &quot;%1&quot;…</source>
        <translation>Łączenie tego komputera z siecią Wi-Fi „%1”…</translation>
    </message>
    <message>
        <source>This computer is joining the WLAN &quot;%1&quot;.</source>
        <translation>Ten komputer łączy się z siecią Wi-Fi „%1”.</translation>
    </message>
    <message>
        <source>This computer could not be switched to the WLAN &quot;%1&quot;: it has no saved connection for it any more.</source>
        <translation>Nie udało się połączyć tego komputera z siecią Wi-Fi „%1”: nie ma on już zapisanego połączenia z tą siecią.</translation>
    </message>
    <message>
        <source>This computer could not be switched to the WLAN &quot;%1&quot;: NetworkManager did not answer.</source>
        <translation>Nie udało się połączyć tego komputera z siecią Wi-Fi „%1”: NetworkManager nie odpowiedział.</translation>
    </message>
    <message>
        <source>NetworkManager did not switch this computer to the WLAN &quot;%1&quot; (&quot;%2&quot;).</source>
        <translation>NetworkManager nie połączył tego komputera z siecią Wi-Fi „%1” („%2”).</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; has not come back on the network.

This computer was on the WLAN &quot;%2&quot;, not on &quot;%3&quot;, the WLAN that the speaker was sent into, and can see the speaker only from there. Switch this computer to &quot;%3&quot;, then look for the speaker in the list.</source>
        <translation>Głośnik „%1” nie wrócił do sieci.

Ten komputer był w sieci Wi-Fi „%2”, a nie w „%3”, do której wysłano głośnik, i widzi głośnik tylko z tamtej sieci. Połącz ten komputer z „%3”, a potem poszukaj głośnika na liście.</translation>
    </message>
    <message>
        <source>Add by address…</source>
        <translation>Dodaj według adresu…</translation>
    </message>
    <message>
        <source>%1 (by address %2)</source>
        <translation>%1 (pod adresem %2)</translation>
    </message>
    <message>
        <source>Why is no speaker listed?</source>
        <translation>Dlaczego na liście nie ma żadnego głośnika?</translation>
    </message>
    <message>
        <source>The VPN &quot;%1&quot; is this computer&apos;s route to the network, and may keep the speakers out of reach. Disconnect it, or allow it access to the local network.</source>
        <translation>VPN „%1” jest drogą tego komputera do sieci i może odcinać dostęp do głośników. Rozłącz go albo zezwól mu na dostęp do sieci lokalnej.</translation>
    </message>
    <message>
        <source>The firewall keeps the speakers&apos; announcements out: its zone &quot;%1&quot; does not allow the service &quot;mdns&quot;. Allow it with &quot;sudo firewall-cmd --permanent --zone=%1 --add-service=mdns &amp;&amp; sudo firewall-cmd --reload&quot;.</source>
        <translation>Zapora sieciowa nie przepuszcza ogłoszeń głośników: jej strefa „%1” nie zezwala na usługę „mdns”. Zezwól na nią poleceniem „sudo firewall-cmd --permanent --zone=%1 --add-service=mdns &amp;&amp; sudo firewall-cmd --reload”.</translation>
    </message>
    <message>
        <source>This computer hears no DNS-SD announcements from its network at all: a firewall may block UDP port 5353, or the WLAN keeps its devices apart, as guest networks do.</source>
        <translation>Ten komputer w ogóle nie odbiera ogłoszeń DNS-SD ze swojej sieci: zapora sieciowa może blokować port UDP 5353 albo sieć Wi-Fi izoluje od siebie urządzenia, jak robią to sieci dla gości.</translation>
    </message>
    <message>
        <source>No speaker answers on this network. A speaker in another part of the network (another subnet or VLAN) can be reached by its IP address with &quot;Add by address…&quot;.</source>
        <translation>Żaden głośnik nie odpowiada w tej sieci. Głośnik w innej części sieci (w innej podsieci lub sieci VLAN) można osiągnąć przez jego adres IP za pomocą „Dodaj według adresu…”.</translation>
    </message>
</context>
<context>
    <name>Client_Settings</name>
    <message>
        <source>&lt;&lt; Back</source>
        <translation>&lt; Wstecz</translation>
    </message>
    <message>
        <source>VANTIR Ovix</source>
        <translation>VANTIR Ovix</translation>
    </message>
    <message>
        <source>Clicking on SAVE will reboot your
VANTIR Ovix-Speakers!</source>
        <translation>Kliknięcie ZAPISZ uruchomi ponownie
głośniki VANTIR Ovix!</translation>
    </message>
    <message>
        <source>IP Addr:</source>
        <translation>Adres IP:</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Informacja</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Model:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nazwa:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Passwd:</source>
        <translation>Hasło:</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>ZAPISZ</translation>
    </message>
    <message>
        <source>Speaker WLAN Settings</source>
        <translation>Ustawienia Wi-Fi głośnika</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Gotowe!

Głośniki VANTIR uruchamiają się ponownie
i za minutę będą dostępne…</translation>
    </message>
    <message>
        <source>Vers:</source>
        <translation>Wersja:</translation>
    </message>
    <message>
        <source>WLAN:</source>
        <translation>Wi-Fi:</translation>
    </message>
    <message>
        <source>Sending the settings to the speaker…</source>
        <translation>Wysyłanie ustawień do głośnika…</translation>
    </message>
    <message>
        <source>Waiting for the speaker&apos;s answer</source>
        <translation>Oczekiwanie na odpowiedź głośnika</translation>
    </message>
    <message>
        <source>Enter a name for the speaker.</source>
        <translation>Wpisz nazwę głośnika.</translation>
    </message>
    <message>
        <source>The name is too long: at most 63 characters, and letters such as ä count twice.</source>
        <translation>Nazwa jest za długa: najwyżej 63 znaki, a litery takie jak ä liczą się podwójnie.</translation>
    </message>
    <message>
        <source>The password of this WLAN is too short: at least 8 characters, or 64 hexadecimal digits.</source>
        <translation>Hasło tej sieci Wi-Fi jest za krótkie: co najmniej 8 znaków lub 64 cyfry szesnastkowe.</translation>
    </message>
    <message>
        <source>The password of this WLAN is too long: at most 63 characters (letters such as ä count twice), or 64 hexadecimal digits.</source>
        <translation>Hasło tej sieci Wi-Fi jest za długie: najwyżej 63 znaki (litery takie jak ä liczą się podwójnie) lub 64 cyfry szesnastkowe.</translation>
    </message>
    <message>
        <source>Enter the password of this WLAN.</source>
        <translation>Wpisz hasło tej sieci Wi-Fi.</translation>
    </message>
    <message>
        <source>The speaker refused the settings. Check the name and the password, then press SAVE again.</source>
        <translation>Głośnik odrzucił ustawienia. Sprawdź nazwę i hasło, a następnie ponownie kliknij ZAPISZ.</translation>
    </message>
    <message>
        <source>The speaker refused the settings (&quot;%1&quot;). Check the name and the password, then press SAVE again.</source>
        <translation>Głośnik odrzucił ustawienia („%1”). Sprawdź nazwę i hasło, a następnie ponownie kliknij ZAPISZ.</translation>
    </message>
    <message>
        <source>The speaker&apos;s answer could not be used, so it is not known whether it took the settings. Wait a minute and look for it in the speaker list before you try again.</source>
        <translation>Nie udało się wykorzystać odpowiedzi głośnika, więc nie wiadomo, czy przyjął ustawienia. Odczekaj minutę i poszukaj go na liście głośników, zanim spróbujesz ponownie.</translation>
    </message>
    <message>
        <source>The speaker did not answer. It may have taken the settings and be restarting: wait a minute and look for it in the speaker list before you try again.</source>
        <translation>Głośnik nie odpowiedział. Być może przyjął ustawienia i uruchamia się ponownie: odczekaj minutę i poszukaj go na liście głośników, zanim spróbujesz ponownie.</translation>
    </message>
    <message>
        <source>The settings were not sent: the speaker could not be reached, so it is as it was. Check that it is switched on and on the same network as this computer, then press SAVE again.</source>
        <translation>Ustawienia nie zostały wysłane: nie udało się połączyć z głośnikiem, więc pozostał bez zmian. Sprawdź, czy jest włączony i w tej samej sieci co ten komputer, a następnie ponownie kliknij ZAPISZ.</translation>
    </message>
    <message>
        <source>The speaker&apos;s answer was too large to use, so it is not known whether it took the settings. Wait a minute and look for it in the speaker list before you try again.</source>
        <translation>Odpowiedź głośnika była zbyt duża, by ją wykorzystać, więc nie wiadomo, czy przyjął ustawienia. Odczekaj minutę i poszukaj go na liście głośników, zanim spróbujesz ponownie.</translation>
    </message>
    <message>
        <source>The settings were not sent: the device at the speaker&apos;s address is no longer the speaker chosen. Choose the speaker again in the speaker list.</source>
        <translation>Ustawienia nie zostały wysłane: urządzenie pod adresem głośnika nie jest już wybranym głośnikiem. Wybierz głośnik ponownie na liście głośników.</translation>
    </message>
    <message>
        <source>The front of a VANTIR speaker</source>
        <translation>Przód głośnika VANTIR</translation>
    </message>
    <message>
        <source>Speaker: %1</source>
        <translation>Głośnik: %1</translation>
    </message>
    <message>
        <source>Security:</source>
        <translation>Zabezpieczenia:</translation>
    </message>
    <message>
        <source>WPA/WPA2/WPA3 Personal</source>
        <translation>WPA/WPA2/WPA3 Personal</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwarta</translation>
    </message>
    <message>
        <source>Show password</source>
        <translation>Pokaż hasło</translation>
    </message>
    <message>
        <source>Use this computer&apos;s password</source>
        <translation>Użyj hasła tego komputera</translation>
    </message>
    <message>
        <source>The password could not be read on this computer. Please type it in.</source>
        <translation>Nie udało się odczytać hasła na tym komputerze. Wpisz je ręcznie.</translation>
    </message>
    <message>
        <source>Enter the name of the WLAN.</source>
        <translation>Wpisz nazwę sieci Wi-Fi.</translation>
    </message>
    <message>
        <source>The name of the WLAN is too long: at most 32 characters, and letters such as ä count twice.</source>
        <translation>Nazwa sieci Wi-Fi jest za długa: najwyżej 32 znaki, a litery takie jak ä liczą się podwójnie.</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; is no longer announced.</source>
        <translation>Głośnik „%1” nie zgłasza się już w sieci.</translation>
    </message>
    <message>
        <source>The name contains %1, which is not allowed.</source>
        <translation>Nazwa zawiera %1, co jest niedozwolone.</translation>
    </message>
    <message>
        <source>The name must not start or end with a space.</source>
        <translation>Nazwa nie może zaczynać się ani kończyć spacją.</translation>
    </message>
    <message>
        <source>The password contains %1, which is not allowed.</source>
        <translation>Hasło zawiera %1, co jest niedozwolone.</translation>
    </message>
    <message>
        <source>a line break</source>
        <translation>znak nowego wiersza</translation>
    </message>
    <message>
        <source>a tab</source>
        <translation>znak tabulacji</translation>
    </message>
    <message>
        <source>the character %1</source>
        <translation>znak %1</translation>
    </message>
    <message>
        <source>This computer is on the WLAN &quot;%1&quot;, not on &quot;%2&quot;: the speaker can be seen coming back only while this computer is on &quot;%2&quot; too.</source>
        <translation>Ten komputer jest w sieci Wi-Fi „%1”, a nie w „%2”: powrót głośnika widać tylko wtedy, gdy ten komputer też jest w „%2”.</translation>
    </message>
</context>
<context>
    <name>Client_WLANs</name>
    <message>
        <source>&lt;&lt; Back</source>
        <translation>&lt; Wstecz</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Informacja</translation>
    </message>
    <message>
        <source>Next &gt;&gt;</source>
        <translation>Dalej &gt;</translation>
    </message>
    <message>
        <source>No Speakers found</source>
        <translation>Nie znaleziono głośników</translation>
    </message>
    <message>
        <source>Please select your private WLAN
  </source>
        <translation>Wybierz swoją prywatną sieć Wi-Fi</translation>
    </message>
    <message>
        <source>Reset!</source>
        <translation>Resetuj!</translation>
    </message>
    <message>
        <source>SSID</source>
        <translation>Sieć Wi-Fi</translation>
    </message>
    <message>
        <source>Select WLAN</source>
        <translation>Wybierz sieć Wi-Fi</translation>
    </message>
    <message>
        <source>Sig</source>
        <translation>Sygnał</translation>
    </message>
    <message>
        <source>The speaker is looking for WLANs…</source>
        <translation>Głośnik szuka sieci Wi-Fi…</translation>
    </message>
    <message>
        <source>Waiting for the speaker&apos;s WLANs</source>
        <translation>Oczekiwanie na sieci Wi-Fi głośnika</translation>
    </message>
    <message>
        <source>The speaker could not be reached. Check that it is switched on and on the same network as this computer, then go back and choose it again.</source>
        <translation>Nie udało się połączyć z głośnikiem. Sprawdź, czy jest włączony i w tej samej sieci co ten komputer, a następnie wróć i wybierz go ponownie.</translation>
    </message>
    <message>
        <source>The speaker did not answer. Check that it is switched on, then go back and choose it again.</source>
        <translation>Głośnik nie odpowiedział. Sprawdź, czy jest włączony, a następnie wróć i wybierz go ponownie.</translation>
    </message>
    <message>
        <source>The speaker&apos;s answer could not be used. Go back and choose it again; if that does not help, switch the speaker off and on.</source>
        <translation>Nie udało się wykorzystać odpowiedzi głośnika. Wróć i wybierz go ponownie; jeśli to nie pomoże, wyłącz i włącz głośnik.</translation>
    </message>
    <message>
        <source>The speaker&apos;s answer was too large to use. Go back and choose it again; if that does not help, switch the speaker off and on.</source>
        <translation>Odpowiedź głośnika była zbyt duża, by ją wykorzystać. Wróć i wybierz go ponownie; jeśli to nie pomoże, wyłącz i włącz głośnik.</translation>
    </message>
    <message>
        <source>The speaker found no WLANs. Check that your WLAN router is switched on, then go back and choose the speaker again.</source>
        <translation>Głośnik nie znalazł żadnej sieci Wi-Fi. Sprawdź, czy router Wi-Fi jest włączony, a następnie wróć i wybierz głośnik ponownie.</translation>
    </message>
    <message>
        <source>WLANs the speaker sees</source>
        <translation>Sieci Wi-Fi widoczne dla głośnika</translation>
    </message>
    <message>
        <source>A radio mast sending to a speaker</source>
        <translation>Maszt radiowy nadający do głośnika</translation>
    </message>
    <message>
        <source>Speaker: %1</source>
        <translation>Głośnik: %1</translation>
    </message>
    <message>
        <source>Known to this computer</source>
        <translation>Znana temu komputerowi</translation>
    </message>
    <message>
        <source>Known to this computer, connected now</source>
        <translation>Znana temu komputerowi, teraz połączona</translation>
    </message>
    <message>
        <source>Rescan</source>
        <translation>Szukaj ponownie</translation>
    </message>
    <message>
        <source>Other network…</source>
        <translation>Inna sieć…</translation>
    </message>
    <message>
        <source>A WLAN that the speaker does not list</source>
        <translation>Sieć Wi-Fi, której głośnik nie pokazuje</translation>
    </message>
    <message>
        <source>The speaker found no WLANs this time. The list shows those it found before.</source>
        <translation>Tym razem głośnik nie znalazł sieci Wi-Fi. Lista pokazuje sieci znalezione wcześniej.</translation>
    </message>
    <message>
        <source>The speaker could not be reached for a new search. The list shows the WLANs it found before.</source>
        <translation>Nie udało się połączyć z głośnikiem w celu ponownego wyszukiwania. Lista pokazuje sieci Wi-Fi znalezione wcześniej.</translation>
    </message>
    <message>
        <source>The speaker did not answer the new search. The list shows the WLANs it found before.</source>
        <translation>Głośnik nie odpowiedział na ponowne wyszukiwanie. Lista pokazuje sieci Wi-Fi znalezione wcześniej.</translation>
    </message>
    <message>
        <source>The speaker&apos;s answer to the new search could not be used. The list shows the WLANs it found before.</source>
        <translation>Nie udało się wykorzystać odpowiedzi głośnika na ponowne wyszukiwanie. Lista pokazuje sieci Wi-Fi znalezione wcześniej.</translation>
    </message>
    <message>
        <source>The speaker&apos;s answer to the new search was too large to use. The list shows the WLANs it found before.</source>
        <translation>Odpowiedź głośnika na ponowne wyszukiwanie była zbyt duża, by ją wykorzystać. Lista pokazuje sieci Wi-Fi znalezione wcześniej.</translation>
    </message>
    <message>
        <source>The WLAN &quot;%1&quot; is no longer listed. Choose one.</source>
        <translation>Sieć Wi-Fi „%1” nie jest już widoczna na liście. Wybierz sieć z listy.</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; is no longer announced.</source>
        <translation>Głośnik „%1” nie zgłasza się już w sieci.</translation>
    </message>
</context>
<context>
    <name>AddressDialog</name>
    <message>
        <source>Add a speaker by its address</source>
        <translation>Dodaj głośnik według jego adresu</translation>
    </message>
    <message>
        <source>An IPv4 or IPv6 address or a host name, with &quot;:PORT&quot; when the speaker does not answer on port 80.</source>
        <translation>Adres IPv4 lub IPv6 albo nazwa hosta, z „:PORT”, jeśli głośnik nie odpowiada na porcie 80.</translation>
    </message>
    <message>
        <source>Waiting for the device at the address</source>
        <translation>Oczekiwanie na urządzenie pod adresem</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adres:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an address. Type an IPv4 or IPv6 address or a host name, optionally followed by &quot;:&quot; and a port from 1 to 65535.</source>
        <translation>„%1” nie jest adresem. Wpisz adres IPv4 lub IPv6 albo nazwę hosta, opcjonalnie z „:” i numerem portu od 1 do 65535.</translation>
    </message>
    <message>
        <source>Asking %1…</source>
        <translation>Odpytywanie %1…</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; is not known on this network.</source>
        <translation>Nazwa „%1” nie jest znana w tej sieci.</translation>
    </message>
    <message>
        <source>No answer from %1. Check the address and that the speaker is switched on; a firewall or a guest WLAN may also keep it out of reach.</source>
        <translation>Brak odpowiedzi od %1. Sprawdź adres i czy głośnik jest włączony; zapora sieciowa lub sieć Wi-Fi dla gości również mogą go odcinać.</translation>
    </message>
    <message>
        <source>The device at %1 answers, but not as a VANTIR speaker.</source>
        <translation>Urządzenie pod adresem %1 odpowiada, ale nie jako głośnik VANTIR.</translation>
    </message>
</context>
</TS>
