<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en">
<context>
    <name>Client</name>
    <message>
        <source>&lt;&lt; Back</source>
        <translation>&lt; Back</translation>
    </message>
    <message>
        <source>VANTIR Ovix Configurator</source>
        <translation>VANTIR Ovix Configurator</translation>
    </message>
    <message>
        <source>Available VANTIR Speakers</source>
        <translation>Available VANTIR Speakers</translation>
    </message>
    <message>
        <source>Next &gt;&gt;</source>
        <translation>Next &gt;</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>The Speakers and your
device have to be in
the same WLAN!</source>
        <translation>The Speakers and your
device have to be in
the same WLAN!</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>The speaker could not be reached. Check that it is switched on and on the same network as this computer, then choose it again.</source>
        <translation>The speaker could not be reached. Check that it is switched on and on the same network as this computer, then choose it again.</translation>
    </message>
    <message>
        <source>The search for speakers is not available: this computer&apos;s DNS-SD service (avahi-daemon) does not answer. Start it, for example with &quot;sudo systemctl start avahi-daemon&quot;, and the list fills by itself.</source>
        <translation>The search for speakers is not available: this computer&apos;s DNS-SD service (avahi-daemon) does not answer. Start it, for example with &quot;sudo systemctl start avahi-daemon&quot;, and the list fills by itself.</translation>
    </message>
    <message>
        <source>The search for speakers is not available: this computer&apos;s DNS-SD service (Bonjour) does not answer. Start the Bonjour service (or install it), and the list fills by itself.</source>
        <translation>The search for speakers is not available: this computer&apos;s DNS-SD service (Bonjour) does not answer. Start the Bonjour service (or install it), and the list fills by itself.</translation>
    </message>
    <message>
        <source>Speakers on this network</source>
        <translation>Speakers on this network</translation>
    </message>
    <message>
        <source>A row of VANTIR speakers</source>
        <translation>A row of VANTIR speakers</translation>
    </message>
    <message>
        <source>Waiting for the speaker</source>
        <translation>Waiting for the speaker</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; is back on the network under its new name, IP address %2.</source>
        <translation>The speaker &quot;%1&quot; is back on the network under its new name, IP address %2.</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; came back but kept its old name: the settings did not take.</source>
        <translation>The speaker &quot;%1&quot; came back but kept its old name: the settings did not take.</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; has not come back on the network.

Please check:
- the WLAN password: a wrong password is the usual cause;
- that this computer is on the home WLAN now: if it was joined to the speaker&apos;s own network, join the home WLAN again;
- a speaker that joined no network must be reset and set up again.</source>
        <translation>The speaker &quot;%1&quot; has not come back on the network.

Please check:
- the WLAN password: a wrong password is the usual cause;
- that this computer is on the home WLAN now: if it was joined to the speaker&apos;s own network, join the home WLAN again;
- a speaker that joined no network must be reset and set up again.</translation>
    </message>
    <message>
        <source>The search for speakers is not available, so the speaker cannot be reached now.</source>
        <translation>The search for speakers is not available, so the speaker cannot be reached now.</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; is no longer announced.</source>
        <translation>The speaker &quot;%1&quot; is no longer announced.</translation>
    </message>
    <message>
        <source>Waiting for saved speakers</source>
        <translation>Waiting for saved speakers</translation>
    </message>
    <message>
        <source>Waiting for &quot;%1&quot; to come back…</source>
        <translation>Waiting for &quot;%1&quot; to come back…</translation>
    </message>
    <message>
        <source>Waiting for %1 speakers to come back…</source>
        <translation>Waiting for %1 speakers to come back…</translation>
    </message>
    <message>
        <source>The configurator is still waiting for the speaker &quot;%1&quot; to come back. Quit anyway?</source>
        <translation>The configurator is still waiting for the speaker &quot;%1&quot; to come back. Quit anyway?</translation>
    </message>
    <message>
        <source>The configurator is still waiting for %1 speakers to come back. Quit anyway?</source>
        <translation>The configurator is still waiting for %1 speakers to come back. Quit anyway?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; is back on the network, on the WLAN &quot;%2&quot;, IP address %3.</source>
        <translation>The speaker &quot;%1&quot; is back on the network, on the WLAN &quot;%2&quot;, IP address %3.</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; is back on the network, but on another WLAN: &quot;%2&quot; instead of &quot;%3&quot;. IP address %4.</source>
        <translation>The speaker &quot;%1&quot; is back on the network, but on another WLAN: &quot;%2&quot; instead of &quot;%3&quot;. IP address %4.</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; is back on the network, IP address %2. Whether it joined the WLAN &quot;%3&quot; cannot be told from here.</source>
        <translation>The speaker &quot;%1&quot; is back on the network, IP address %2. Whether it joined the WLAN &quot;%3&quot; cannot be told from here.</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; is back in the list but does not answer.</source>
        <translation>The speaker &quot;%1&quot; is back in the list but does not answer.</translation>
    </message>
    <message>
        <source>Another device answers under the name &quot;%1&quot;, at IP address %2: it is not the speaker that was saved, which is still awaited.</source>
        <translation>Another device answers under the name &quot;%1&quot;, at IP address %2: it is not the speaker that was saved, which is still awaited.</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; has not yet answered whether it takes the settings.</source>
        <translation>The speaker &quot;%1&quot; has not yet answered whether it takes the settings.</translation>
    </message>
    <message>
        <source>The configurator is also waiting for the speaker &quot;%1&quot; to come back.</source>
        <translation>The configurator is also waiting for the speaker &quot;%1&quot; to come back.</translation>
    </message>
    <message>
        <source>The configurator is also waiting for %1 speakers to come back.</source>
        <translation>The configurator is also waiting for %1 speakers to come back.</translation>
    </message>
    <message>
        <source>Quit once the answer is in?</source>
        <translation>Quit once the answer is in?</translation>
    </message>
    <message>
        <source>Quit once the answers are in?</source>
        <translation>Quit once the answers are in?</translation>
    </message>
    <message>
        <source>Quitting once the speaker &quot;%1&quot; has answered…</source>
        <translation>Quitting once the speaker &quot;%1&quot; has answered…</translation>
    </message>
    <message>
        <source>Quitting once %1 speakers have answered…</source>
        <translation>Quitting once %1 speakers have answered…</translation>
    </message>
    <message>
        <source>Switch this computer to &quot;%1&quot;</source>
        <translation>Switch this computer to &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Switching this computer to the WLAN &quot;%1&quot;…</source>
        <translation>Switching this computer to the WLAN &quot;%1&quot;…</translation>
    </message>
    <message>
        <source>This computer is joining the WLAN &quot;%1&quot;.</source>
        <translation>This computer is joining the WLAN &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>This computer could not be switched to the WLAN &quot;%1&quot;: it has no saved connection for it any more.</source>
        <translation>This computer could not be switched to the WLAN &quot;%1&quot;: it has no saved connection for it any more.</translation>
    </message>
    <message>
        <source>This computer could not be switched to the WLAN &quot;%1&quot;: NetworkManager did not answer.</source>
        <translation>This computer could not be switched to the WLAN &quot;%1&quot;: NetworkManager did not answer.</translation>
    </message>
    <message>
        <source>NetworkManager did not switch this computer to the WLAN &quot;%1&quot; (&quot;%2&quot;).</source>
        <translation>NetworkManager did not switch this computer to the WLAN &quot;%1&quot; (&quot;%2&quot;).</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; has not come back on the network.

This computer was on the WLAN &quot;%2&quot;, not on &quot;%3&quot;, the WLAN that the speaker was sent into, and can see the speaker only from there. Switch this computer to &quot;%3&quot;, then look for the speaker in the list.</source>
        <translation>The speaker &quot;%1&quot; has not come back on the network.

This computer was on the WLAN &quot;%2&quot;, not on &quot;%3&quot;, the WLAN that the speaker was sent into, and can see the speaker only from there. Switch this computer to &quot;%3&quot;, then look for the speaker in the list.</translation>
    </message>
    <message>
        <source>Add by address…</source>
        <translation>Add by address…</translation>
    </message>
    <message>
        <source>%1 (by address %2)</source>
        <translation>%1 (by address %2)</translation>
    </message>
    <message>
        <source>Why is no speaker listed?</source>
        <translation>Why is no speaker listed?</translation>
    </message>
    <message>
        <source>The VPN &quot;%1&quot; is this computer&apos;s route to the network, and may keep the speakers out of reach. Disconnect it, or allow it access to the local network.</source>
        <translation>The VPN &quot;%1&quot; is this computer&apos;s route to the network, and may keep the speakers out of reach. Disconnect it, or allow it access to the local network.</translation>
    </message>
    <message>
        <source>The firewall keeps the speakers&apos; announcements out: its zone &quot;%1&quot; does not allow the service &quot;mdns&quot;. Allow it with &quot;sudo firewall-cmd --permanent --zone=%1 --add-service=mdns &amp;&amp; sudo firewall-cmd --reload&quot;.</source>
        <translation>The firewall keeps the speakers&apos; announcements out: its zone &quot;%1&quot; does not allow the service &quot;mdns&quot;. Allow it with &quot;sudo firewall-cmd --permanent --zone=%1 --add-service=mdns &amp;&amp; sudo firewall-cmd --reload&quot;.</translation>
    </message>
    <message>
        <source>This computer hears no DNS-SD announcements from its network at all: a firewall may block UDP port 5353, or the WLAN keeps its devices apart, as guest networks do.</source>
        <translation>This computer hears no DNS-SD announcements from its network at all: a firewall may block UDP port 5353, or the WLAN keeps its devices apart, as guest networks do.</translation>
    </message>
    <message>
        <source>No speaker answers on this network. A speaker in another part of the network (another subnet or VLAN) can be reached by its IP address with &quot;Add by address…&quot;.</source>
        <translation>No speaker answers on this network. A speaker in another part of the network (another subnet or VLAN) can be reached by its IP address with &quot;Add by address…&quot;.</translation>
    </message>
</context>
<context>
    <name>Client_Settings</name>
    <message>
        <source>&lt;&lt; Back</source>
        <translation>&lt; Back</translation>
    </message>
    <message>
        <source>VANTIR Ovix</source>
        <translation>VANTIR Ovix</translation>
    </message>
    <message>
        <source>Clicking on SAVE will reboot your
VANTIR Ovix-Speakers!</source>
        <translation>Clicking on SAVE will reboot your
VANTIR Ovix-Speakers!</translation>
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
        <translation>Model:</translation>
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
        <translation>SAVE</translation>
    </message>
    <message>
        <source>Speaker WLAN Settings</source>
        <translation>Speaker WLAN Settings</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Success!

Your VANTIR Speakers are booting
and will be available in a minute...</translation>
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
        <translation>Sending the settings to the speaker…</translation>
    </message>
    <message>
        <source>Waiting for the speaker&apos;s answer</source>
        <translation>Waiting for the speaker&apos;s answer</translation>
    </message>
    <message>
        <source>Enter a name for the speaker.</source>
        <translation>Enter a name for the speaker.</translation>
    </message>
    <message>
        <source>The name is too long: at most 63 characters, and letters such as ä count twice.</source>
        <translation>The name is too long: at most 63 characters, and letters such as ä count twice.</translation>
    </message>
    <message>
        <source>The password of this WLAN is too short: at least 8 characters, or 64 hexadecimal digits.</source>
        <translation>The password of this WLAN is too short: at least 8 characters, or 64 hexadecimal digits.</translation>
    </message>
    <message>
        <source>The password of this WLAN is too long: at most 63 characters (letters such as ä count twice), or 64 hexadecimal digits.</source>
        <translation>The password of this WLAN is too long: at most 63 characters (letters such as ä count twice), or 64 hexadecimal digits.</translation>
    </message>
    <message>
        <source>Enter the password of this WLAN.</source>
        <translation>Enter the password of this WLAN.</translation>
    </message>
    <message>
        <source>The speaker refused the settings. Check the name and the password, then press SAVE again.</source>
        <translation>The speaker refused the settings. Check the name and the password, then press SAVE again.</translation>
    </message>
    <message>
        <source>The speaker refused the settings (&quot;%1&quot;). Check the name and the password, then press SAVE again.</source>
        <translation>The speaker refused the settings (&quot;%1&quot;). Check the name and the password, then press SAVE again.</translation>
    </message>
    <message>
        <source>The speaker&apos;s answer could not be used, so it is not known whether it took the settings. Wait a minute and look for it in the speaker list before you try again.</source>
        <translation>The speaker&apos;s answer could not be used, so it is not known whether it took the settings. Wait a minute and look for it in the speaker list before you try again.</translation>
    </message>
    <message>
        <source>The speaker did not answer. It may have taken the settings and be restarting: wait a minute and look for it in the speaker list before you try again.</source>
        <translation>The speaker did not answer. It may have taken the settings and be restarting: wait a minute and look for it in the speaker list before you try again.</translation>
    </message>
    <message>
        <source>The settings were not sent: the speaker could not be reached, so it is as it was. Check that it is switched on and on the same network as this computer, then press SAVE again.</source>
        <translation>The settings were not sent: the speaker could not be reached, so it is as it was. Check that it is switched on and on the same network as this computer, then press SAVE again.</translation>
    </message>
    <message>
        <source>The speaker&apos;s answer was too large to use, so it is not known whether it took the settings. Wait a minute and look for it in the speaker list before you try again.</source>
        <translation>The speaker&apos;s answer was too large to use, so it is not known whether it took the settings. Wait a minute and look for it in the speaker list before you try again.</translation>
    </message>
    <message>
        <source>The settings were not sent: the device at the speaker&apos;s address is no longer the speaker chosen. Choose the speaker again in the speaker list.</source>
        <translation>The settings were not sent: the device at the speaker&apos;s address is no longer the speaker chosen. Choose the speaker again in the speaker list.</translation>
    </message>
    <message>
        <source>The front of a VANTIR speaker</source>
        <translation>The front of a VANTIR speaker</translation>
    </message>
    <message>
        <source>Speaker: %1</source>
        <translation>Speaker: %1</translation>
    </message>
    <message>
        <source>Security:</source>
        <translation>Security:</translation>
    </message>
    <message>
        <source>WPA/WPA2/WPA3 Personal</source>
        <translation>WPA/WPA2/WPA3 Personal</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Show password</source>
        <translation>Show password</translation>
    </message>
    <message>
        <source>Use this computer&apos;s password</source>
        <translation>Use this computer&apos;s password</translation>
    </message>
    <message>
        <source>The password could not be read on this computer. Please type it in.</source>
        <translation>The password could not be read on this computer. Please type it in.</translation>
    </message>
    <message>
        <source>Enter the name of the WLAN.</source>
        <translation>Enter the name of the WLAN.</translation>
    </message>
    <message>
        <source>The name of the WLAN is too long: at most 32 characters, and letters such as ä count twice.</source>
        <translation>The name of the WLAN is too long: at most 32 characters, and letters such as ä count twice.</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; is no longer announced.</source>
        <translation>The speaker &quot;%1&quot; is no longer announced.</translation>
    </message>
    <message>
        <source>The name contains %1, which is not allowed.</source>
        <translation>The name contains %1, which is not allowed.</translation>
    </message>
    <message>
        <source>The name must not start or end with a space.</source>
        <translation>The name must not start or end with a space.</translation>
    </message>
    <message>
        <source>The password contains %1, which is not allowed.</source>
        <translation>The password contains %1, which is not allowed.</translation>
    </message>
    <message>
        <source>a line break</source>
        <translation>a line break</translation>
    </message>
    <message>
        <source>a tab</source>
        <translation>a tab</translation>
    </message>
    <message>
        <source>the character %1</source>
        <translation>the character %1</translation>
    </message>
    <message>
        <source>This computer is on the WLAN &quot;%1&quot;, not on &quot;%2&quot;: the speaker can be seen coming back only while this computer is on &quot;%2&quot; too.</source>
        <translation>This computer is on the WLAN &quot;%1&quot;, not on &quot;%2&quot;: the speaker can be seen coming back only while this computer is on &quot;%2&quot; too.</translation>
    </message>
</context>
<context>
    <name>Client_WLANs</name>
    <message>
        <source>&lt;&lt; Back</source>
        <translation>&lt; Back</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Next &gt;&gt;</source>
        <translation>Next &gt;</translation>
    </message>
    <message>
        <source>No Speakers found</source>
        <translation>No Speakers found</translation>
    </message>
    <message>
        <source>Please select your private WLAN
  </source>
        <translation>Please select your private WLAN</translation>
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
        <translation>Select WLAN</translation>
    </message>
    <message>
        <source>Sig</source>
        <translation>Sig</translation>
    </message>
    <message>
        <source>The speaker is looking for WLANs…</source>
        <translation>The speaker is looking for WLANs…</translation>
    </message>
    <message>
        <source>Waiting for the speaker&apos;s WLANs</source>
        <translation>Waiting for the speaker&apos;s WLANs</translation>
    </message>
    <message>
        <source>The speaker could not be reached. Check that it is switched on and on the same network as this computer, then go back and choose it again.</source>
        <translation>The speaker could not be reached. Check that it is switched on and on the same network as this computer, then go back and choose it again.</translation>
    </message>
    <message>
        <source>The speaker did not answer. Check that it is switched on, then go back and choose it again.</source>
        <translation>The speaker did not answer. Check that it is switched on, then go back and choose it again.</translation>
    </message>
    <message>
        <source>The speaker&apos;s answer could not be used. Go back and choose it again; if that does not help, switch the speaker off and on.</source>
        <translation>The speaker&apos;s answer could not be used. Go back and choose it again; if that does not help, switch the speaker off and on.</translation>
    </message>
    <message>
        <source>The speaker&apos;s answer was too large to use. Go back and choose it again; if that does not help, switch the speaker off and on.</source>
        <translation>The speaker&apos;s answer was too large to use. Go back and choose it again; if that does not help, switch the speaker off and on.</translation>
    </message>
    <message>
        <source>The speaker found no WLANs. Check that your WLAN router is switched on, then go back and choose the speaker again.</source>
        <translation>The speaker found no WLANs. Check that your WLAN router is switched on, then go back and choose the speaker again.</translation>
    </message>
    <message>
        <source>WLANs the speaker sees</source>
        <translation>WLANs the speaker sees</translation>
    </message>
    <message>
        <source>A radio mast sending to a speaker</source>
        <translation>A radio mast sending to a speaker</translation>
    </message>
    <message>
        <source>Speaker: %1</source>
        <translation>Speaker: %1</translation>
    </message>
    <message>
        <source>Known to this computer</source>
        <translation>Known to this computer</translation>
    </message>
    <message>
        <source>Known to this computer, connected now</source>
        <translation>Known to this computer, connected now</translation>
    </message>
    <message>
        <source>Rescan</source>
        <translation>Rescan</translation>
    </message>
    <message>
        <source>Other network…</source>
        <translation>Other network…</translation>
    </message>
    <message>
        <source>A WLAN that the speaker does not list</source>
        <translation>A WLAN that the speaker does not list</translation>
    </message>
    <message>
        <source>The speaker found no WLANs this time. The list shows those it found before.</source>
        <translation>The speaker found no WLANs this time. The list shows those it found before.</translation>
    </message>
    <message>
        <source>The speaker could not be reached for a new search. The list shows the WLANs it found before.</source>
        <translation>The speaker could not be reached for a new search. The list shows the WLANs it found before.</translation>
    </message>
    <message>
        <source>The speaker did not answer the new search. The list shows the WLANs it found before.</source>
        <translation>The speaker did not answer the new search. The list shows the WLANs it found before.</translation>
    </message>
    <message>
        <source>The speaker&apos;s answer to the new search could not be used. The list shows the WLANs it found before.</source>
        <translation>The speaker&apos;s answer to the new search could not be used. The list shows the WLANs it found before.</translation>
    </message>
    <message>
        <source>The speaker&apos;s answer to the new search was too large to use. The list shows the WLANs it found before.</source>
        <translation>The speaker&apos;s answer to the new search was too large to use. The list shows the WLANs it found before.</translation>
    </message>
    <message>
        <source>The WLAN &quot;%1&quot; is no longer listed. Choose one.</source>
        <translation>The WLAN &quot;%1&quot; is no longer listed. Choose one.</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; is no longer announced.</source>
        <translation>The speaker &quot;%1&quot; is no longer announced.</translation>
    </message>
</context>
<context>
    <name>AddressDialog</name>
    <message>
        <source>Add a speaker by its address</source>
        <translation>Add a speaker by its address</translation>
    </message>
    <message>
        <source>An IPv4 or IPv6 address or a host name, with &quot;:PORT&quot; when the speaker does not answer on port 80.</source>
        <translation>An IPv4 or IPv6 address or a host name, with &quot;:PORT&quot; when the speaker does not answer on port 80.</translation>
    </message>
    <message>
        <source>Waiting for the device at the address</source>
        <translation>Waiting for the device at the address</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Address:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an address. Type an IPv4 or IPv6 address or a host name, optionally followed by &quot;:&quot; and a port from 1 to 65535.</source>
        <translation>&quot;%1&quot; is not an address. Type an IPv4 or IPv6 address or a host name, optionally followed by &quot;:&quot; and a port from 1 to 65535.</translation>
    </message>
    <message>
        <source>Asking %1…</source>
        <translation>Asking %1…</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; is not known on this network.</source>
        <translation>The name &quot;%1&quot; is not known on this network.</translation>
    </message>
    <message>
        <source>No answer from %1. Check the address and that the speaker is switched on; a firewall or a guest WLAN may also keep it out of reach.</source>
        <translation>No answer from %1. Check the address and that the speaker is switched on; a firewall or a guest WLAN may also keep it out of reach.</translation>
    </message>
    <message>
        <source>The device at %1 answers, but not as a VANTIR speaker.</source>
        <translation>The device at %1 answers, but not as a VANTIR speaker.</translation>
    </message>
</context>
</TS>
