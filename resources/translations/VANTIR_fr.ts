<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>Client</name>
    <message>
        <source>&lt;&lt; Back</source>
        <translation>&lt; Retour</translation>
    </message>
    <message>
        <source>VANTIR Ovix Configurator</source>
        <translation>Configurateur VANTIR Ovix</translation>
    </message>
    <message>
        <source>Available VANTIR Speakers</source>
        <translation>Enceintes VANTIR disponibles</translation>
    </message>
    <message>
        <source>Next &gt;&gt;</source>
        <translation>Suivant &gt;</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>The Speakers and your
device have to be in
the same WLAN!</source>
        <translation>Les enceintes et votre
appareil doivent être sur
le même réseau Wi-Fi !</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>The speaker could not be reached. Check that it is switched on and on the same network as this computer, then choose it again.</source>
        <translation>Impossible de joindre l’enceinte. Vérifiez qu’elle est allumée et sur le même réseau que cet ordinateur, puis choisissez-la à nouveau.</translation>
    </message>
    <message>
        <source>The search for speakers is not available: this computer&apos;s DNS-SD service (avahi-daemon) does not answer. Start it, for example with &quot;sudo systemctl start avahi-daemon&quot;, and the list fills by itself.</source>
        <translation>La recherche d’enceintes n’est pas disponible : le service DNS-SD de cet ordinateur (avahi-daemon) ne répond pas. Démarrez-le, par exemple avec « sudo systemctl start avahi-daemon », et la liste se remplira d’elle-même.</translation>
    </message>
    <message>
        <source>The search for speakers is not available: this computer&apos;s DNS-SD service (Bonjour) does not answer. Start the Bonjour service (or install it), and the list fills by itself.</source>
        <translation>La recherche d’enceintes n’est pas disponible : le service DNS-SD de cet ordinateur (Bonjour) ne répond pas. Démarrez le service Bonjour (ou installez-le), et la liste se remplira d’elle-même.</translation>
    </message>
    <message>
        <source>Speakers on this network</source>
        <translation>Enceintes sur ce réseau</translation>
    </message>
    <message>
        <source>A row of VANTIR speakers</source>
        <translation>Une rangée d’enceintes VANTIR</translation>
    </message>
    <message>
        <source>Waiting for the speaker</source>
        <translation>En attente de l’enceinte</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; is back on the network under its new name, IP address %2.</source>
        <translation>L’enceinte « %1 » est de retour sur le réseau sous son nouveau nom, adresse IP %2.</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; came back but kept its old name: the settings did not take.</source>
        <translation>L’enceinte « %1 » est revenue, mais a gardé son ancien nom : les réglages n’ont pas été pris en compte.</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; has not come back on the network.

Please check:
- the WLAN password: a wrong password is the usual cause;
- that this computer is on the home WLAN now: if it was joined to the speaker&apos;s own network, join the home WLAN again;
- a speaker that joined no network must be reset and set up again.</source>
        <translation>L’enceinte « %1 » n’est pas revenue sur le réseau.

Veuillez vérifier :
- le mot de passe Wi-Fi : un mot de passe erroné en est la cause la plus fréquente ;
- que cet ordinateur est maintenant sur le Wi-Fi de la maison : s’il était connecté au réseau propre de l’enceinte, reconnectez-le au Wi-Fi de la maison ;
- une enceinte qui n’a rejoint aucun réseau doit être réinitialisée et configurée à nouveau.</translation>
    </message>
    <message>
        <source>The search for speakers is not available, so the speaker cannot be reached now.</source>
        <translation>La recherche d’enceintes n’est pas disponible, l’enceinte ne peut donc pas être jointe pour l’instant.</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; is no longer announced.</source>
        <translation>L’enceinte « %1 » ne s’annonce plus sur le réseau.</translation>
    </message>
    <message>
        <source>Waiting for saved speakers</source>
        <translation>En attente des enceintes configurées</translation>
    </message>
    <message>
        <source>Waiting for &quot;%1&quot; to come back…</source>
        <translation>En attente du retour de « %1 »…</translation>
    </message>
    <message>
        <source>Waiting for %1 speakers to come back…</source>
        <translation>En attente du retour de %1 enceintes…</translation>
    </message>
    <message>
        <source>The configurator is still waiting for the speaker &quot;%1&quot; to come back. Quit anyway?</source>
        <translation>Le configurateur attend encore le retour de l’enceinte « %1 ». Quitter quand même ?</translation>
    </message>
    <message>
        <source>The configurator is still waiting for %1 speakers to come back. Quit anyway?</source>
        <translation>Le configurateur attend encore le retour de %1 enceintes. Quitter quand même ?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; is back on the network, on the WLAN &quot;%2&quot;, IP address %3.</source>
        <translation>L’enceinte « %1 » est de retour sur le réseau, sur le Wi-Fi « %2 », adresse IP %3.</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; is back on the network, but on another WLAN: &quot;%2&quot; instead of &quot;%3&quot;. IP address %4.</source>
        <translation>L’enceinte « %1 » est de retour sur le réseau, mais sur un autre Wi-Fi : « %2 » au lieu de « %3 ». Adresse IP %4.</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; is back on the network, IP address %2. Whether it joined the WLAN &quot;%3&quot; cannot be told from here.</source>
        <translation>L’enceinte « %1 » est de retour sur le réseau, adresse IP %2. Impossible de savoir d’ici si elle a rejoint le Wi-Fi « %3 ».</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; is back in the list but does not answer.</source>
        <translation>L’enceinte « %1 » est de retour dans la liste, mais ne répond pas.</translation>
    </message>
    <message>
        <source>Another device answers under the name &quot;%1&quot;, at IP address %2: it is not the speaker that was saved, which is still awaited.</source>
        <translation>Un autre appareil répond sous le nom « %1 », à l’adresse IP %2 : ce n’est pas l’enceinte configurée, qui est toujours attendue.</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; has not yet answered whether it takes the settings.</source>
        <translation>L’enceinte « %1 » n’a pas encore répondu si elle accepte les réglages.</translation>
    </message>
    <message>
        <source>The configurator is also waiting for the speaker &quot;%1&quot; to come back.</source>
        <translation>Le configurateur attend aussi le retour de l’enceinte « %1 ».</translation>
    </message>
    <message>
        <source>The configurator is also waiting for %1 speakers to come back.</source>
        <translation>Le configurateur attend aussi le retour de %1 enceintes.</translation>
    </message>
    <message>
        <source>Quit once the answer is in?</source>
        <translation>Quitter dès que la réponse sera arrivée ?</translation>
    </message>
    <message>
        <source>Quit once the answers are in?</source>
        <translation>Quitter dès que les réponses seront arrivées ?</translation>
    </message>
    <message>
        <source>Quitting once the speaker &quot;%1&quot; has answered…</source>
        <translation>Fermeture dès que l’enceinte « %1 » aura répondu…</translation>
    </message>
    <message>
        <source>Quitting once %1 speakers have answered…</source>
        <translation>Fermeture dès que %1 enceintes auront répondu…</translation>
    </message>
    <message>
        <source>Switch this computer to &quot;%1&quot;</source>
        <translation>Connecter cet ordinateur à « %1 »</translation>
    </message>
    <message>
        <source>Switching this computer to the WLAN &quot;%1&quot;…</source>
        <translation>Connexion de cet ordinateur au Wi-Fi « %1 »…</translation>
    </message>
    <message>
        <source>This computer is joining the WLAN &quot;%1&quot;.</source>
        <translation>Cet ordinateur se connecte au Wi-Fi « %1 ».</translation>
    </message>
    <message>
        <source>This computer could not be switched to the WLAN &quot;%1&quot;: it has no saved connection for it any more.</source>
        <translation>Cet ordinateur n’a pas pu être connecté au Wi-Fi « %1 » : il n’en a plus aucune connexion enregistrée.</translation>
    </message>
    <message>
        <source>This computer could not be switched to the WLAN &quot;%1&quot;: NetworkManager did not answer.</source>
        <translation>Cet ordinateur n’a pas pu être connecté au Wi-Fi « %1 » : NetworkManager n’a pas répondu.</translation>
    </message>
    <message>
        <source>NetworkManager did not switch this computer to the WLAN &quot;%1&quot; (&quot;%2&quot;).</source>
        <translation>NetworkManager n’a pas connecté cet ordinateur au Wi-Fi « %1 » (« %2 »).</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; has not come back on the network.

This computer was on the WLAN &quot;%2&quot;, not on &quot;%3&quot;, the WLAN that the speaker was sent into, and can see the speaker only from there. Switch this computer to &quot;%3&quot;, then look for the speaker in the list.</source>
        <translation>L’enceinte « %1 » n’est pas revenue sur le réseau.

Cet ordinateur était sur le Wi-Fi « %2 », et non sur « %3 », le Wi-Fi dans lequel l’enceinte a été envoyée, et il ne peut voir l’enceinte que depuis celui-ci. Connectez cet ordinateur à « %3 », puis cherchez l’enceinte dans la liste.</translation>
    </message>
    <message>
        <source>Add by address…</source>
        <translation>Ajouter par adresse…</translation>
    </message>
    <message>
        <source>%1 (by address %2)</source>
        <translation>%1 (par l’adresse %2)</translation>
    </message>
    <message>
        <source>Why is no speaker listed?</source>
        <translation>Pourquoi aucune enceinte n’est-elle listée ?</translation>
    </message>
    <message>
        <source>The VPN &quot;%1&quot; is this computer&apos;s route to the network, and may keep the speakers out of reach. Disconnect it, or allow it access to the local network.</source>
        <translation>Le VPN « %1 » est la route de cet ordinateur vers le réseau et peut rendre les enceintes injoignables. Déconnectez-le, ou autorisez-lui l’accès au réseau local.</translation>
    </message>
    <message>
        <source>The firewall keeps the speakers&apos; announcements out: its zone &quot;%1&quot; does not allow the service &quot;mdns&quot;. Allow it with &quot;sudo firewall-cmd --permanent --zone=%1 --add-service=mdns &amp;&amp; sudo firewall-cmd --reload&quot;.</source>
        <translation>Le pare-feu bloque les annonces des enceintes : sa zone « %1 » n’autorise pas le service « mdns ». Autorisez-le avec « sudo firewall-cmd --permanent --zone=%1 --add-service=mdns &amp;&amp; sudo firewall-cmd --reload ».</translation>
    </message>
    <message>
        <source>This computer hears no DNS-SD announcements from its network at all: a firewall may block UDP port 5353, or the WLAN keeps its devices apart, as guest networks do.</source>
        <translation>Cet ordinateur ne reçoit aucune annonce DNS-SD de son réseau : un pare-feu bloque peut-être le port UDP 5353, ou le réseau Wi-Fi isole ses appareils les uns des autres, comme le font les réseaux invités.</translation>
    </message>
    <message>
        <source>No speaker answers on this network. A speaker in another part of the network (another subnet or VLAN) can be reached by its IP address with &quot;Add by address…&quot;.</source>
        <translation>Aucune enceinte ne répond sur ce réseau. Une enceinte située dans une autre partie du réseau (un autre sous-réseau ou VLAN) peut être jointe par son adresse IP avec « Ajouter par adresse… ».</translation>
    </message>
</context>
<context>
    <name>Client_Settings</name>
    <message>
        <source>&lt;&lt; Back</source>
        <translation>&lt; Retour</translation>
    </message>
    <message>
        <source>VANTIR Ovix</source>
        <translation>VANTIR Ovix</translation>
    </message>
    <message>
        <source>Clicking on SAVE will reboot your
VANTIR Ovix-Speakers!</source>
        <translation>Cliquer sur ENREGISTRER redémarre vos
enceintes VANTIR Ovix !</translation>
    </message>
    <message>
        <source>IP Addr:</source>
        <translation>Adresse IP :</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Modèle :</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Passwd:</source>
        <translation>Mot de passe :</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>ENREGISTRER</translation>
    </message>
    <message>
        <source>Speaker WLAN Settings</source>
        <translation>Réglages Wi-Fi de l’enceinte</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Succès !

Vos enceintes VANTIR redémarrent
et seront disponibles dans une minute…</translation>
    </message>
    <message>
        <source>Vers:</source>
        <translation>Version :</translation>
    </message>
    <message>
        <source>WLAN:</source>
        <translation>Wi-Fi :</translation>
    </message>
    <message>
        <source>Sending the settings to the speaker…</source>
        <translation>Envoi des réglages à l’enceinte…</translation>
    </message>
    <message>
        <source>Waiting for the speaker&apos;s answer</source>
        <translation>En attente de la réponse de l’enceinte</translation>
    </message>
    <message>
        <source>Enter a name for the speaker.</source>
        <translation>Saisissez un nom pour l’enceinte.</translation>
    </message>
    <message>
        <source>The name is too long: at most 63 characters, and letters such as ä count twice.</source>
        <translation>Le nom est trop long : 63 caractères au maximum, et les lettres comme ä comptent double.</translation>
    </message>
    <message>
        <source>The password of this WLAN is too short: at least 8 characters, or 64 hexadecimal digits.</source>
        <translation>Le mot de passe de ce Wi-Fi est trop court : au moins 8 caractères ou 64 chiffres hexadécimaux.</translation>
    </message>
    <message>
        <source>The password of this WLAN is too long: at most 63 characters (letters such as ä count twice), or 64 hexadecimal digits.</source>
        <translation>Le mot de passe de ce Wi-Fi est trop long : 63 caractères au maximum (les lettres comme ä comptent double) ou 64 chiffres hexadécimaux.</translation>
    </message>
    <message>
        <source>Enter the password of this WLAN.</source>
        <translation>Saisissez le mot de passe de ce Wi-Fi.</translation>
    </message>
    <message>
        <source>The speaker refused the settings. Check the name and the password, then press SAVE again.</source>
        <translation>L’enceinte a refusé les réglages. Vérifiez le nom et le mot de passe, puis cliquez à nouveau sur ENREGISTRER.</translation>
    </message>
    <message>
        <source>The speaker refused the settings (&quot;%1&quot;). Check the name and the password, then press SAVE again.</source>
        <translation>L’enceinte a refusé les réglages (« %1 »). Vérifiez le nom et le mot de passe, puis cliquez à nouveau sur ENREGISTRER.</translation>
    </message>
    <message>
        <source>The speaker&apos;s answer could not be used, so it is not known whether it took the settings. Wait a minute and look for it in the speaker list before you try again.</source>
        <translation>La réponse de l’enceinte est inutilisable, on ne sait donc pas si elle a accepté les réglages. Attendez une minute et cherchez-la dans la liste des enceintes avant de réessayer.</translation>
    </message>
    <message>
        <source>The speaker did not answer. It may have taken the settings and be restarting: wait a minute and look for it in the speaker list before you try again.</source>
        <translation>L’enceinte n’a pas répondu. Elle a peut-être accepté les réglages et redémarre : attendez une minute et cherchez-la dans la liste des enceintes avant de réessayer.</translation>
    </message>
    <message>
        <source>The settings were not sent: the speaker could not be reached, so it is as it was. Check that it is switched on and on the same network as this computer, then press SAVE again.</source>
        <translation>Les réglages n’ont pas été envoyés : l’enceinte était injoignable et n’a donc pas changé. Vérifiez qu’elle est allumée et sur le même réseau que cet ordinateur, puis cliquez à nouveau sur ENREGISTRER.</translation>
    </message>
    <message>
        <source>The speaker&apos;s answer was too large to use, so it is not known whether it took the settings. Wait a minute and look for it in the speaker list before you try again.</source>
        <translation>La réponse de l’enceinte était trop volumineuse pour être utilisée, on ne sait donc pas si elle a accepté les réglages. Attendez une minute et cherchez-la dans la liste des enceintes avant de réessayer.</translation>
    </message>
    <message>
        <source>The settings were not sent: the device at the speaker&apos;s address is no longer the speaker chosen. Choose the speaker again in the speaker list.</source>
        <translation>Les réglages n’ont pas été envoyés : l’appareil à l’adresse de l’enceinte n’est plus l’enceinte choisie. Choisissez à nouveau l’enceinte dans la liste des enceintes.</translation>
    </message>
    <message>
        <source>The front of a VANTIR speaker</source>
        <translation>La façade d’une enceinte VANTIR</translation>
    </message>
    <message>
        <source>Speaker: %1</source>
        <translation>Enceinte : %1</translation>
    </message>
    <message>
        <source>Security:</source>
        <translation>Sécurité :</translation>
    </message>
    <message>
        <source>WPA/WPA2/WPA3 Personal</source>
        <translation>WPA/WPA2/WPA3 Personnel</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvert</translation>
    </message>
    <message>
        <source>Show password</source>
        <translation>Afficher le mot de passe</translation>
    </message>
    <message>
        <source>Use this computer&apos;s password</source>
        <translation>Mot de passe de cet ordinateur</translation>
    </message>
    <message>
        <source>The password could not be read on this computer. Please type it in.</source>
        <translation>Le mot de passe n’a pas pu être lu sur cet ordinateur. Veuillez le saisir.</translation>
    </message>
    <message>
        <source>Enter the name of the WLAN.</source>
        <translation>Saisissez le nom du réseau Wi-Fi.</translation>
    </message>
    <message>
        <source>The name of the WLAN is too long: at most 32 characters, and letters such as ä count twice.</source>
        <translation>Le nom du réseau Wi-Fi est trop long : 32 caractères au maximum, et les lettres comme ä comptent double.</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; is no longer announced.</source>
        <translation>L’enceinte « %1 » ne s’annonce plus sur le réseau.</translation>
    </message>
    <message>
        <source>The name contains %1, which is not allowed.</source>
        <translation>Le nom contient %1, ce qui n’est pas autorisé.</translation>
    </message>
    <message>
        <source>The name must not start or end with a space.</source>
        <translation>Le nom ne doit ni commencer ni se terminer par un espace.</translation>
    </message>
    <message>
        <source>The password contains %1, which is not allowed.</source>
        <translation>Le mot de passe contient %1, ce qui n’est pas autorisé.</translation>
    </message>
    <message>
        <source>a line break</source>
        <translation>un saut de ligne</translation>
    </message>
    <message>
        <source>a tab</source>
        <translation>une tabulation</translation>
    </message>
    <message>
        <source>the character %1</source>
        <translation>le caractère %1</translation>
    </message>
    <message>
        <source>This computer is on the WLAN &quot;%1&quot;, not on &quot;%2&quot;: the speaker can be seen coming back only while this computer is on &quot;%2&quot; too.</source>
        <translation>Cet ordinateur est sur le Wi-Fi « %1 », et non sur « %2 » : le retour de l’enceinte ne peut être vu que lorsque cet ordinateur est lui aussi sur « %2 ».</translation>
    </message>
</context>
<context>
    <name>Client_WLANs</name>
    <message>
        <source>&lt;&lt; Back</source>
        <translation>&lt; Retour</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Next &gt;&gt;</source>
        <translation>Suivant &gt;</translation>
    </message>
    <message>
        <source>No Speakers found</source>
        <translation>Aucune enceinte trouvée</translation>
    </message>
    <message>
        <source>Please select your private WLAN
  </source>
        <translation>Choisissez votre réseau Wi-Fi privé</translation>
    </message>
    <message>
        <source>Reset!</source>
        <translation>Réinitialiser !</translation>
    </message>
    <message>
        <source>SSID</source>
        <translation>Réseau Wi-Fi</translation>
    </message>
    <message>
        <source>Select WLAN</source>
        <translation>Choisir le réseau Wi-Fi</translation>
    </message>
    <message>
        <source>Sig</source>
        <translation>Signal</translation>
    </message>
    <message>
        <source>The speaker is looking for WLANs…</source>
        <translation>L’enceinte recherche des réseaux Wi-Fi…</translation>
    </message>
    <message>
        <source>Waiting for the speaker&apos;s WLANs</source>
        <translation>En attente des réseaux Wi-Fi de l’enceinte</translation>
    </message>
    <message>
        <source>The speaker could not be reached. Check that it is switched on and on the same network as this computer, then go back and choose it again.</source>
        <translation>Impossible de joindre l’enceinte. Vérifiez qu’elle est allumée et sur le même réseau que cet ordinateur, puis revenez en arrière et choisissez-la à nouveau.</translation>
    </message>
    <message>
        <source>The speaker did not answer. Check that it is switched on, then go back and choose it again.</source>
        <translation>L’enceinte n’a pas répondu. Vérifiez qu’elle est allumée, puis revenez en arrière et choisissez-la à nouveau.</translation>
    </message>
    <message>
        <source>The speaker&apos;s answer could not be used. Go back and choose it again; if that does not help, switch the speaker off and on.</source>
        <translation>La réponse de l’enceinte est inutilisable. Revenez en arrière et choisissez-la à nouveau ; si cela ne suffit pas, éteignez puis rallumez l’enceinte.</translation>
    </message>
    <message>
        <source>The speaker&apos;s answer was too large to use. Go back and choose it again; if that does not help, switch the speaker off and on.</source>
        <translation>La réponse de l’enceinte était trop volumineuse pour être utilisée. Revenez en arrière et choisissez-la à nouveau ; si cela ne suffit pas, éteignez puis rallumez l’enceinte.</translation>
    </message>
    <message>
        <source>The speaker found no WLANs. Check that your WLAN router is switched on, then go back and choose the speaker again.</source>
        <translation>L’enceinte n’a trouvé aucun réseau Wi-Fi. Vérifiez que votre routeur Wi-Fi est allumé, puis revenez en arrière et choisissez à nouveau l’enceinte.</translation>
    </message>
    <message>
        <source>WLANs the speaker sees</source>
        <translation>Réseaux Wi-Fi vus par l’enceinte</translation>
    </message>
    <message>
        <source>A radio mast sending to a speaker</source>
        <translation>Une antenne radio qui émet vers une enceinte</translation>
    </message>
    <message>
        <source>Speaker: %1</source>
        <translation>Enceinte : %1</translation>
    </message>
    <message>
        <source>Known to this computer</source>
        <translation>Connu de cet ordinateur</translation>
    </message>
    <message>
        <source>Known to this computer, connected now</source>
        <translation>Connu de cet ordinateur, connecté maintenant</translation>
    </message>
    <message>
        <source>Rescan</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Other network…</source>
        <translation>Autre réseau…</translation>
    </message>
    <message>
        <source>A WLAN that the speaker does not list</source>
        <translation>Un réseau Wi-Fi que l’enceinte n’affiche pas</translation>
    </message>
    <message>
        <source>The speaker found no WLANs this time. The list shows those it found before.</source>
        <translation>L’enceinte n’a trouvé aucun réseau Wi-Fi cette fois. La liste montre ceux trouvés auparavant.</translation>
    </message>
    <message>
        <source>The speaker could not be reached for a new search. The list shows the WLANs it found before.</source>
        <translation>L’enceinte était injoignable pour une nouvelle recherche. La liste montre les réseaux Wi-Fi trouvés auparavant.</translation>
    </message>
    <message>
        <source>The speaker did not answer the new search. The list shows the WLANs it found before.</source>
        <translation>L’enceinte n’a pas répondu à la nouvelle recherche. La liste montre les réseaux Wi-Fi trouvés auparavant.</translation>
    </message>
    <message>
        <source>The speaker&apos;s answer to the new search could not be used. The list shows the WLANs it found before.</source>
        <translation>La réponse de l’enceinte à la nouvelle recherche est inutilisable. La liste montre les réseaux Wi-Fi trouvés auparavant.</translation>
    </message>
    <message>
        <source>The speaker&apos;s answer to the new search was too large to use. The list shows the WLANs it found before.</source>
        <translation>La réponse de l’enceinte à la nouvelle recherche était trop volumineuse pour être utilisée. La liste montre les réseaux Wi-Fi trouvés auparavant.</translation>
    </message>
    <message>
        <source>The WLAN &quot;%1&quot; is no longer listed. Choose one.</source>
        <translation>Le réseau Wi-Fi « %1 » n’est plus affiché. Choisissez-en un.</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; is no longer announced.</source>
        <translation>L’enceinte « %1 » ne s’annonce plus sur le réseau.</translation>
    </message>
</context>
<context>
    <name>AddressDialog</name>
    <message>
        <source>Add a speaker by its address</source>
        <translation>Ajouter une enceinte par son adresse</translation>
    </message>
    <message>
        <source>An IPv4 or IPv6 address or a host name, with &quot;:PORT&quot; when the speaker does not answer on port 80.</source>
        <translation>Une adresse IPv4 ou IPv6 ou un nom d’hôte, suivi de « :PORT » si l’enceinte ne répond pas sur le port 80.</translation>
    </message>
    <message>
        <source>Waiting for the device at the address</source>
        <translation>En attente de l’appareil à cette adresse</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse :</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an address. Type an IPv4 or IPv6 address or a host name, optionally followed by &quot;:&quot; and a port from 1 to 65535.</source>
        <translation>« %1 » n’est pas une adresse. Saisissez une adresse IPv4 ou IPv6 ou un nom d’hôte, éventuellement suivi de « : » et d’un port de 1 à 65535.</translation>
    </message>
    <message>
        <source>Asking %1…</source>
        <translation>Interrogation de %1…</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; is not known on this network.</source>
        <translation>Le nom « %1 » est inconnu sur ce réseau.</translation>
    </message>
    <message>
        <source>No answer from %1. Check the address and that the speaker is switched on; a firewall or a guest WLAN may also keep it out of reach.</source>
        <translation>Aucune réponse de %1. Vérifiez l’adresse et que l’enceinte est allumée ; un pare-feu ou un réseau Wi-Fi invité peut aussi la rendre injoignable.</translation>
    </message>
    <message>
        <source>The device at %1 answers, but not as a VANTIR speaker.</source>
        <translation>L’appareil à l’adresse %1 répond, mais pas comme une enceinte VANTIR.</translation>
    </message>
</context>
</TS>
