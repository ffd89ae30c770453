'''NetworkManager stand-in with the Wi-Fi connections that a computer has saved

python3-dbusmock's NetworkManager template, and in it the connections given as
parameters, whose GetSecrets answers as NetworkManager's does. Only for a bus
of our own (tools/dnssd-net run gives one):

    /usr/bin/python3 -m dbusmock --system -t tools/lib/networkmanager-standin.py -p JSON

JSON is {"connections": [CONNECTION, ...]}, each CONNECTION an object with:

    "id"          the connection's name
    "type"        "802-11-wireless" (the default) or another, e.g. "802-3-ethernet"
    "ssid"        a text, kept as its UTF-8 bytes
    "mode"        "infrastructure", "ap", ...; absent: none given
    "key-mgmt"    "wpa-psk", "sae", "wpa-eap", ...; absent: an open network
    "timestamp"   when it was last used, in seconds since the epoch; absent: never
    "psk"         the password that GetSecrets hands out
    "refuse"      the D-Bus error name with which GetSecrets answers instead
    "refuse-text" that error's text
    "active"      true: this computer is connected through it now
    "state"       the active connection's state (2, activated, by default)
    "refuse-switch"  the text with which ActivateConnection refuses it

The connections are /org/freedesktop/NetworkManager/Settings/0, 1, ... in
that order.
'''

import dbus
import dbusmock
# The upstream template's objects and mock methods, which dbusmock takes from this module.
from dbusmock.templates.networkmanager import *  # noqa: F401,F403 pylint: disable=wildcard-import,unused-wildcard-import
from dbusmock.templates import networkmanager as upstream

SECURITY = '802-11-wireless-security'


def get_secrets(self, setting_name):
    '''Connection.GetSecrets as NetworkManager answers it: {setting: {"psk": ...}}.'''
    if self.refusal:
        raise dbus.exceptions.DBusException(self.refusal_text, name=self.refusal)
    secrets = dbus.Dictionary({}, signature='sv')
    if setting_name == SECURITY and self.psk is not None:
        secrets['psk'] = dbus.String(self.psk)
    return dbus.Dictionary({setting_name: secrets}, signature='sa{sv}')


def activate_connection(self, conn, dev, ap):
    '''Manager.ActivateConnection: refused for a connection that says so.'''
    refusal = getattr(dbusmock.get_object(conn), 'switch_refusal', None)
    if refusal:
        raise dbus.exceptions.DBusException(
            refusal, name='org.freedesktop.NetworkManager.UnknownDevice')
    return upstream.activate_connection(self, conn, dev, ap)


def add_connection(mock, index, description):
    connection = {'id': description['id'],
                  'uuid': f'00000000-0000-4000-8000-{index:012d}',
                  'type': description.get('type', '802-11-wireless')}
    if 'timestamp' in description:
        connection['timestamp'] = dbus.UInt64(description['timestamp'])
    settings = {'connection': connection}
    if connection['type'] == '802-11-wireless':
        wireless = {'ssid': dbus.ByteArray(description['ssid'].encode('UTF-8'))}
        if 'mode' in description:
            wireless['mode'] = description['mode']
        settings['802-11-wireless'] = wireless
        if 'key-mgmt' in description:
            settings[SECURITY] = {'key-mgmt': description['key-mgmt']}
    path = upstream.SettingsAddConnection(mock, settings)

    # The secret stays out of GetSettings, as NetworkManager keeps it.
    obj = dbusmock.get_object(path)
    obj.psk = description.get('psk')
    obj.refusal = description.get('refuse')
    obj.refusal_text = description.get('refuse-text', 'The secrets could not be read.')
    obj.ConnectionGetSecrets = get_secrets
    obj.switch_refusal = description.get('refuse-switch')

    if description.get('active'):
        upstream.AddActiveConnection(mock, [], path, '/', str(index),
                                     dbus.UInt32(description.get('state', 2)))


def load(mock, parameters):
    upstream.load(mock, {})
    dbusmock.get_object(upstream.MANAGER_OBJ).activate_connection = activate_connection
    for index, description in enumerate(parameters.get('connections', [])):
        add_connection(mock, index, description)
