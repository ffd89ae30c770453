<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>Client</name>
    <message>
        <source>&lt;&lt; Back</source>
        <translation>&lt; Atrás</translation>
    </message>
    <message>
        <source>VANTIR Ovix Configurator</source>
        <translation>Configurador VANTIR Ovix</translation>
    </message>
    <message>
        <source>Available VANTIR Speakers</source>
        <translation>Altavoces VANTIR disponibles</translation>
    </message>
    <message>
        <source>Next &gt;&gt;</source>
        <translation>Siguiente &gt;</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>The Speakers and your
device have to be in
the same WLAN!</source>
        <translation>¡Los altavoces y su
dispositivo deben estar
en la misma red wifi!</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>The speaker could not be reached. Check that it is switched on and on the same network as this computer, then choose it again.</source>
        <translation>No se ha podido acceder al altavoz. Compruebe que está encendido y en la misma red que este equipo y vuelva a elegirlo.</translation>
    </message>
    <message>
        <source>The search for speakers is not available: this computer&apos;s DNS-SD service (avahi-daemon) does not answer. Start it, for example with &quot;sudo systemctl start avahi-daemon&quot;, and the list fills by itself.</source>
        <translation>La búsqueda de altavoces no está disponible: el servicio DNS-SD de este equipo (avahi-daemon) no responde. Inícielo, por ejemplo con «sudo systemctl start avahi-daemon», y la lista se llenará sola.</translation>
    </message>
    <message>
        <source>The search for speakers is not available: this computer&apos;s DNS-SD service (Bonjour) does not answer. Start the Bonjour service (or install it), and the list fills by itself.</source>
        <translation>La búsqueda de altavoces no está disponible: el servicio DNS-SD de este equipo (Bonjour) no responde. Inicie el servicio Bonjour (o instálelo) y la lista se llenará sola.</translation>
    </message>
    <message>
        <source>Speakers on this network</source>
        <translation>Altavoces en esta red</translation>
    </message>
    <message>
        <source>A row of VANTIR speakers</source>
        <translation>Una fila de altavoces VANTIR</translation>
    </message>
    <message>
        <source>Waiting for the speaker</source>
        <translation>Esperando al altavoz</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; is back on the network under its new name, IP address %2.</source>
        <translation>El altavoz «%1» vuelve a estar en la red con su nuevo nombre, dirección IP %2.</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; came back but kept its old name: the settings did not take.</source>
        <translation>El altavoz «%1» ha vuelto, pero conserva su nombre anterior: la configuración no se ha aplicado.</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; has not come back on the network.

Please check:
- the WLAN password: a wrong password is the usual cause;
- that this computer is on the home WLAN now: if it was joined to the speaker&apos;s own network, join the home WLAN again;
- a speaker that joined no network must be reset and set up again.</source>
        <translation>El altavoz «%1» no ha vuelto a la red.

Compruebe:
- la contraseña de la red wifi: una contraseña incorrecta es la causa habitual;
- que este equipo está ahora en la red wifi de casa: si estaba conectado a la red propia del altavoz, vuelva a conectarlo a la red wifi de casa;
- un altavoz que no se ha unido a ninguna red debe restablecerse y configurarse de nuevo.</translation>
    </message>
    <message>
        <source>The search for speakers is not available, so the speaker cannot be reached now.</source>
        <translation>La búsqueda de altavoces no está disponible, por lo que ahora no se puede acceder al altavoz.</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; is no longer announced.</source>
        <translation>El altavoz «%1» ya no se anuncia en la red.</translation>
    </message>
    <message>
        <source>Waiting for saved speakers</source>
        <translation>Esperando a los altavoces configurados</translation>
    </message>
    <message>
        <source>Waiting for &quot;%1&quot; to come back…</source>
        <translation>Esperando a que «%1» vuelva…</translation>
    </message>
    <message>
        <source>Waiting for %1 speakers to come back…</source>
        <translation>Esperando a que vuelvan %1 altavoces…</translation>
    </message>
    <message>
        <source>The configurator is still waiting for the speaker &quot;%1&quot; to come back. Quit anyway?</source>
        <translation>El configurador sigue esperando a que vuelva el altavoz «%1». ¿Salir de todos modos?</translation>
    </message>
    <message>
        <source>The configurator is still waiting for %1 speakers to come back. Quit anyway?</source>
        <translation>El configurador sigue esperando a que vuelvan %1 altavoces. ¿Salir de todos modos?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; is back on the network, on the WLAN &quot;%2&quot;, IP address %3.</source>
        <translation>El altavoz «%1» vuelve a estar en la red, en la red wifi «%2», dirección IP %3.</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; is back on the network, but on another WLAN: &quot;%2&quot; instead of &quot;%3&quot;. IP address %4.</source>
        <translation>El altavoz «%1» vuelve a estar en la red, pero en otra red wifi: «%2» en lugar de «%3». Dirección IP %4.</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; is back on the network, IP address %2. Whether it joined the WLAN &quot;%3&quot; cannot be told from here.</source>
        <translation>El altavoz «%1» vuelve a estar en la red, dirección IP %2. Desde aquí no se puede saber si se ha unido a la red wifi «%3».</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; is back in the list but does not answer.</source>
        <translation>El altavoz «%1» vuelve a aparecer en la lista, pero no responde.</translation>
    </message>
    <message>
        <source>Another device answers under the name &quot;%1&quot;, at IP address %2: it is not the speaker that was saved, which is still awaited.</source>
        <translation>Otro dispositivo responde con el nombre «%1», en la dirección IP %2: no es el altavoz configurado, al que se sigue esperando.</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; has not yet answered whether it takes the settings.</source>
        <translation>El altavoz «%1» aún no ha respondido si acepta la configuración.</translation>
    </message>
    <message>
        <source>The configurator is also waiting for the speaker &quot;%1&quot; to come back.</source>
        <translation>El configurador también está esperando a que vuelva el altavoz «%1».</translation>
    </message>
    <message>
        <source>The configurator is also waiting for %1 speakers to come back.</source>
        <translation>El configurador también está esperando a que vuelvan %1 altavoces.</translation>
    </message>
    <message>
        <source>Quit once the answer is in?</source>
        <translation>¿Salir en cuanto llegue la respuesta?</translation>
    </message>
    <message>
        <source>Quit once the answers are in?</source>
        <translation>¿Salir en cuanto lleguen las respuestas?</translation>
    </message>
    <message>
        <source>Quitting once the speaker &quot;%1&quot; has answered…</source>
        <translation>Se saldrá en cuanto el altavoz «%1» haya respondido…</translation>
    </message>
    <message>
        <source>Quitting once %1 speakers have answered…</source>
        <translation>Se saldrá en cuanto hayan respondido %1 altavoces…</translation>
    </message>
    <message>
        <source>Switch this computer to &quot;%1&quot;</source>
        <translation>Conectar este equipo a «%1»</translation>
    </message>
    <message>
        <source>Switching this computer to the WLAN &quot;%1&quot;…</source>
        <translation>Conectando este equipo a la red wifi «%1»…</translation>
    </message>
    <message>
        <source>This computer is joining the WLAN &quot;%1&quot;.</source>
        <translation>Este equipo se está conectando a la red wifi «%1».</translation>
    </message>
    <message>
        <source>This computer could not be switched to the WLAN &quot;%1&quot;: it has no saved connection for it any more.</source>
        <translation>No se ha podido conectar este equipo a la red wifi «%1»: ya no tiene ninguna conexión guardada para ella.</translation>
    </message>
    <message>
        <source>This computer could not be switched to the WLAN &quot;%1&quot;: NetworkManager did not answer.</source>
        <translation>No se ha podido conectar este equipo a la red wifi «%1»: NetworkManager no ha respondido.</translation>
    </message>
    <message>
        <source>NetworkManager did not switch this computer to the WLAN &quot;%1&quot; (&quot;%2&quot;).</source>
        <translation>NetworkManager no ha conectado este equipo a la red wifi «%1» («%2»).</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; has not come back on the network.

This computer was on the WLAN &quot;%2&quot;, not on &quot;%3&quot;, the WLAN that the speaker was sent into, and can see the speaker only from there. Switch this computer to &quot;%3&quot;, then look for the speaker in the list.</source>
        <translation>El altavoz «%1» no ha vuelto a la red.

Este equipo estaba en la red wifi «%2», no en «%3», la red wifi a la que se envió el altavoz, y solo puede ver el altavoz desde allí. Conecte este equipo a «%3» y después busque el altavoz en la lista.</translation>
    </message>
    <message>
        <source>Add by address…</source>
        <translation>Añadir por dirección…</translation>
    </message>
    <message>
        <source>%1 (by address %2)</source>
        <translation>%1 (por la dirección %2)</translation>
    </message>
    <message>
        <source>Why is no speaker listed?</source>
        <translation>¿Por qué no aparece ningún altavoz?</translation>
    </message>
    <message>
        <source>The VPN &quot;%1&quot; is this computer&apos;s route to the network, and may keep the speakers out of reach. Disconnect it, or allow it access to the local network.</source>
        <translation>La VPN «%1» es la ruta de este equipo hacia la red y puede dejar los altavoces fuera de su alcance. Desconéctela o permítale el acceso a la red local.</translation>
    </message>
    <message>
        <source>The firewall keeps the speakers&apos; announcements out: its zone &quot;%1&quot; does not allow the service &quot;mdns&quot;. Allow it with &quot;sudo firewall-cmd --permanent --zone=%1 --add-service=mdns &amp;&amp; sudo firewall-cmd --reload&quot;.</source>
        <translation>El cortafuegos no deja pasar los anuncios de los altavoces: su zona «%1» no permite el servicio «mdns». Permítalo con «sudo firewall-cmd --permanent --zone=%1 --add-service=mdns &amp;&amp; sudo firewall-cmd --reload».</translation>
    </message>
    <message>
        <source>This computer hears no DNS-SD announcements from its network at all: a firewall may block UDP port 5353, or the WLAN keeps its devices apart, as guest networks do.</source>
        <translation>Este equipo no recibe ningún anuncio DNS-SD de su red: puede que un cortafuegos bloquee el puerto UDP 5353 o que la red wifi aísle a sus dispositivos entre sí, como hacen las redes de invitados.</translation>
    </message>
    <message>
        <source>No speaker answers on this network. A speaker in another part of the network (another subnet or VLAN) can be reached by its IP address with &quot;Add by address…&quot;.</source>
        <translation>Ningún altavoz responde en esta red. Un altavoz en otra parte de la red (otra subred o VLAN) se puede alcanzar por su dirección IP con «Añadir por dirección…».</translation>
    </message>
</context>
<context>
    <name>Client_Settings</name>
    <message>
        <source>&lt;&lt; Back</source>
        <translation>&lt; Atrás</translation>
    </message>
    <message>
        <source>VANTIR Ovix</source>
        <translation>VANTIR Ovix</translation>
    </message>
    <message>
        <source>Clicking on SAVE will reboot your
VANTIR Ovix-Speakers!</source>
        <translation>¡Al hacer clic en GUARDAR, sus altavoces
VANTIR Ovix se reiniciarán!</translation>
    </message>
    <message>
        <source>IP Addr:</source>
        <translation>Dirección IP:</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Modelo:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Passwd:</source>
        <translation>Contraseña:</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>GUARDAR</translation>
    </message>
    <message>
        <source>Speaker WLAN Settings</source>
        <translation>Ajustes wifi del altavoz</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>¡Listo!

Sus altavoces VANTIR se están reiniciando
y estarán disponibles en un minuto…</translation>
    </message>
    <message>
        <source>Vers:</source>
        <translation>Versión:</translation>
    </message>
    <message>
        <source>WLAN:</source>
        <translation>Wifi:</translation>
    </message>
    <message>
        <source>Sending the settings to the speaker…</source>
        <translation>Enviando la configuración al altavoz…</translation>
    </message>
    <message>
        <source>Waiting for the speaker&apos;s answer</source>
        <translation>Esperando la respuesta del altavoz</translation>
    </message>
    <message>
        <source>Enter a name for the speaker.</source>
        <translation>Introduzca un nombre para el altavoz.</translation>
    </message>
    <message>
        <source>The name is too long: at most 63 characters, and letters such as ä count twice.</source>
        <translation>El nombre es demasiado largo: 63 caracteres como máximo; las letras como ä cuentan doble.</translation>
    </message>
    <message>
        <source>The password of this WLAN is too short: at least 8 characters, or 64 hexadecimal digits.</source>
        <translation>La contraseña de esta red wifi es demasiado corta: al menos 8 caracteres o 64 dígitos hexadecimales.</translation>
    </message>
    <message>
        <source>The password of this WLAN is too long: at most 63 characters (letters such as ä count twice), or 64 hexadecimal digits.</source>
        <translation>La contraseña de esta red wifi es demasiado larga: 63 caracteres como máximo (letras como ä cuentan doble) o 64 dígitos hexadecimales.</translation>
    </message>
    <message>
        <source>Enter the password of this WLAN.</source>
        <translation>Introduzca la contraseña de esta red wifi.</translation>
    </message>
    <message>
        <source>The speaker refused the settings. Check the name and the password, then press SAVE again.</source>
        <translation>El altavoz ha rechazado la configuración. Compruebe el nombre y la contraseña y vuelva a pulsar GUARDAR.</translation>
    </message>
    <message>
        <source>The speaker refused the settings (&quot;%1&quot;). Check the name and the password, then press SAVE again.</source>
        <translation>El altavoz ha rechazado la configuración («%1»). Compruebe el nombre y la contraseña y vuelva a pulsar GUARDAR.</translation>
    </message>
    <message>
        <source>The speaker&apos;s answer could not be used, so it is not known whether it took the settings. Wait a minute and look for it in the speaker list before you try again.</source>
        <translation>La respuesta del altavoz no se ha podido usar, así que no se sabe si ha aceptado la configuración. Espere un minuto y búsquelo en la lista de altavoces antes de volver a intentarlo.</translation>
    </message>
    <message>
        <source>The speaker did not answer. It may have taken the settings and be restarting: wait a minute and look for it in the speaker list before you try again.</source>
        <translation>El altavoz no ha respondido. Puede que haya aceptado la configuración y se esté reiniciando: espere un minuto y búsquelo en la lista de altavoces antes de volver a intentarlo.</translation>
    </message>
    <message>
        <source>The settings were not sent: the speaker could not be reached, so it is as it was. Check that it is switched on and on the same network as this computer, then press SAVE again.</source>
        <translation>La configuración no se ha enviado: no se ha podido acceder al altavoz, así que sigue como estaba. Compruebe que está encendido y en la misma red que este equipo y vuelva a pulsar GUARDAR.</translation>
    </message>
    <message>
        <source>The speaker&apos;s answer was too large to use, so it is not known whether it took the settings. Wait a minute and look for it in the speaker list before you try again.</source>
        <translation>La respuesta del altavoz era demasiado grande para usarla, así que no se sabe si ha aceptado la configuración. Espere un minuto y búsquelo en la lista de altavoces antes de volver a intentarlo.</translation>
    </message>
    <message>
        <source>The settings were not sent: the device at the speaker&apos;s address is no longer the speaker chosen. Choose the speaker again in the speaker list.</source>
        <translation>La configuración no se ha enviado: el dispositivo en la dirección del altavoz ya no es el altavoz elegido. Vuelva a elegir el altavoz en la lista de altavoces.</translation>
    </message>
    <message>
        <source>The front of a VANTIR speaker</source>
        <translation>El frontal de un altavoz VANTIR</translation>
    </message>
    <message>
        <source>Speaker: %1</source>
        <translation>Altavoz: %1</translation>
    </message>
    <message>
        <source>Security:</source>
        <translation>Seguridad:</translation>
    </message>
    <message>
        <source>WPA/WPA2/WPA3 Personal</source>
        <translation>WPA/WPA2/WPA3 Personal</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abierta</translation>
    </message>
    <message>
        <source>Show password</source>
        <translation>Mostrar contraseña</translation>
    </message>
    <message>
        <source>Use this computer&apos;s password</source>
        <translation>Usar la contraseña del equipo</translation>
    </message>
    <message>
        <source>The password could not be read on this computer. Please type it in.</source>
        <translation>No se ha podido leer la contraseña en este equipo. Introdúzcala manualmente.</translation>
    </message>
    <message>
        <source>Enter the name of the WLAN.</source>
        <translation>Introduzca el nombre de la red wifi.</translation>
    </message>
    <message>
        <source>The name of the WLAN is too long: at most 32 characters, and letters such as ä count twice.</source>
        <translation>El nombre de la red wifi es demasiado largo: 32 caracteres como máximo; las letras como ä cuentan doble.</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; is no longer announced.</source>
        <translation>El altavoz «%1» ya no se anuncia en la red.</translation>
    </message>
    <message>
        <source>The name contains %1, which is not allowed.</source>
        <translation>El nombre contiene %1, lo cual no está permitido.</translation>
    </message>
    <message>
        <source>The name must not start or end with a space.</source>
        <translation>El nombre no debe empezar ni terminar con un espacio.</translation>
    </message>
    <message>
        <source>The password contains %1, which is not allowed.</source>
        <translation>La contraseña contiene %1, lo cual no está permitido.</translation>
    </message>
    <message>
        <source>a line break</source>
        <translation>un salto de línea</translation>
    </message>
    <message>
        <source>a tab</source>
        <translation>una tabulación</translation>
    </message>
    <message>
        <source>the character %1</source>
        <translation>el carácter %1</translation>
    </message>
    <message>
        <source>This computer is on the WLAN &quot;%1&quot;, not on &quot;%2&quot;: the speaker can be seen coming back only while this computer is on &quot;%2&quot; too.</source>
        <translation>Este equipo está en la red wifi «%1», no en «%2»: la vuelta del altavoz solo se puede ver mientras este equipo también esté en «%2».</translation>
    </message>
</context>
<context>
    <name>Client_WLANs</name>
    <message>
        <source>&lt;&lt; Back</source>
        <translation>&lt; Atrás</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Next &gt;&gt;</source>
        <translation>Siguiente &gt;</translation>
    </message>
    <message>
        <source>No Speakers found</source>
        <translation>No se han encontrado altavoces</translation>
    </message>
    <message>
        <source>Please select your private WLAN
  </source>
        <translation>Seleccione su red wifi privada</translation>
    </message>
    <message>
        <source>Reset!</source>
        <translation>¡Restablecer!</translation>
    </message>
    <message>
        <source>SSID</source>
        <translation>Red wifi</translation>
    </message>
    <message>
        <source>Select WLAN</source>
        <translation>Elegir red wifi</translation>
    </message>
    <message>
        <source>Sig</source>
        <translation>Señal</translation>
    </message>
    <message>
        <source>The speaker is looking for WLANs…</source>
        <translation>El altavoz está buscando redes wifi…</translation>
    </message>
    <message>
        <source>Waiting for the speaker&apos;s WLANs</source>
        <translation>Esperando las redes wifi del altavoz</translation>
    </message>
    <message>
        <source>The speaker could not be reached. Check that it is switched on and on the same network as this computer, then go back and choose it again.</source>
        <translation>No se ha podido acceder al altavoz. Compruebe que está encendido y en la misma red que este equipo; después vuelva atrás y elíjalo de nuevo.</translation>
    </message>
    <message>
        <source>The speaker did not answer. Check that it is switched on, then go back and choose it again.</source>
        <translation>El altavoz no ha respondido. Compruebe que está encendido; después vuelva atrás y elíjalo de nuevo.</translation>
    </message>
    <message>
        <source>The speaker&apos;s answer could not be used. Go back and choose it again; if that does not help, switch the speaker off and on.</source>
        <translation>La respuesta del altavoz no se ha podido usar. Vuelva atrás y elíjalo de nuevo; si no sirve, apague el altavoz y vuelva a encenderlo.</translation>
    </message>
    <message>
        <source>The speaker&apos;s answer was too large to use. Go back and choose it again; if that does not help, switch the speaker off and on.</source>
        <translation>La respuesta del altavoz era demasiado grande para usarla. Vuelva atrás y elíjalo de nuevo; si no sirve, apague el altavoz y vuelva a encenderlo.</translation>
    </message>
    <message>
        <source>The speaker found no WLANs. Check that your WLAN router is switched on, then go back and choose the speaker again.</source>
        <translation>El altavoz no ha encontrado redes wifi. Compruebe que su router wifi está encendido; después vuelva atrás y elija de nuevo el altavoz.</translation>
    </message>
    <message>
        <source>WLANs the speaker sees</source>
        <translation>Redes wifi que ve el altavoz</translation>
    </message>
    <message>
        <source>A radio mast sending to a speaker</source>
        <translation>Una antena de radio que emite hacia un altavoz</translation>
    </message>
    <message>
        <source>Speaker: %1</source>
        <translation>Altavoz: %1</translation>
    </message>
    <message>
        <source>Known to this computer</source>
        <translation>Conocida por este equipo</translation>
    </message>
    <message>
        <source>Known to this computer, connected now</source>
        <translation>Conocida por este equipo, conectada ahora</translation>
    </message>
    <message>
        <source>Rescan</source>
        <translation>Buscar de nuevo</translation>
    </message>
    <message>
        <source>Other network…</source>
        <translation>Otra red…</translation>
    </message>
    <message>
        <source>A WLAN that the speaker does not list</source>
        <translation>Una red wifi que el altavoz no muestra</translation>
    </message>
    <message>
        <source>The speaker found no WLANs this time. The list shows those it found before.</source>
        <translation>Esta vez el altavoz no ha encontrado redes wifi. La lista muestra las que encontró antes.</translation>
    </message>
    <message>
        <source>The speaker could not be reached for a new search. The list shows the WLANs it found before.</source>
        <translation>No se ha podido acceder al altavoz para una nueva búsqueda. La lista muestra las redes wifi que encontró antes.</translation>
    </message>
    <message>
        <source>The speaker did not answer the new search. The list shows the WLANs it found before.</source>
        <translation>El altavoz no ha respondido a la nueva búsqueda. La lista muestra las redes wifi que encontró antes.</translation>
    </message>
    <message>
        <source>The speaker&apos;s answer to the new search could not be used. The list shows the WLANs it found before.</source>
        <translation>La respuesta del altavoz a la nueva búsqueda no se ha podido usar. La lista muestra las redes wifi que encontró antes.</translation>
    </message>
    <message>
        <source>The speaker&apos;s answer to the new search was too large to use. The list shows the WLANs it found before.</source>
        <translation>La respuesta del altavoz a la nueva búsqueda era demasiado grande para usarla. La lista muestra las redes wifi que encontró antes.</translation>
    </message>
    <message>
        <source>The WLAN &quot;%1&quot; is no longer listed. Choose one.</source>
        <translation>La red wifi «%1» ya no aparece en la lista. Elija una.</translation>
    </message>
    <message>
        <source>The speaker &quot;%1&quot; is no longer announced.</source>
        <translation>El altavoz «%1» ya no se anuncia en la red.</translation>
    </message>
</context>
<context>
    <name>AddressDialog</name>
    <message>
        <source>Add a speaker by its address</source>
        <translation>Añadir un altavoz por su dirección</translation>
    </message>
    <message>
        <source>An IPv4 or IPv6 address or a host name, with &quot;:PORT&quot; when the speaker does not answer on port 80.</source>
        <translation>Una dirección IPv4 o IPv6 o un nombre de host, con «:PUERTO» si el altavoz no responde en el puerto 80.</translation>
    </message>
    <message>
        <source>Waiting for the device at the address</source>
        <translation>Esperando al dispositivo en la dirección</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Dirección:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an address. Type an IPv4 or IPv6 address or a host name, optionally followed by &quot;:&quot; and a port from 1 to 65535.</source>
        <translation>«%1» no es una dirección. Escriba una dirección IPv4 o IPv6 o un nombre de host, seguido opcionalmente de «:» y un puerto del 1 al 65535.</translation>
    </message>
    <message>
        <source>Asking %1…</source>
        <translation>Consultando %1…</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; is not known on this network.</source>
        <translation>El nombre «%1» no se conoce en esta red.</translation>
    </message>
    <message>
        <source>No answer from %1. Check the address and that the speaker is switched on; a firewall or a guest WLAN may also keep it out of reach.</source>
        <translation>No hay respuesta de %1. Compruebe la dirección y que el altavoz está encendido; un cortafuegos o una red wifi de invitados también pueden dejarlo fuera de alcance.</translation>
    </message>
    <message>
        <source>The device at %1 answers, but not as a VANTIR speaker.</source>
        <translation>El dispositivo en %1 responde, pero no como un altavoz VANTIR.</translation>
    </message>
</context>
</TS>
