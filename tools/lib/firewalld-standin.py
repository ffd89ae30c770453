'''firewalld stand-in with the zones of a computer

A python3-dbusmock template that answers firewalld's queries of which zone an
interface is in and which services a zone allows, as the runtime
configuration tells them. Only for a bus of our own (tools/dnssd-net run gives
one):

    /usr/bin/python3 -m dbusmock --system -t tools/lib/firewalld-standin.py -p JSON

JSON is {"default": ZONE, "zones": {ZONE: {"interfaces": [...], "services": [...]}}}:
an interface in no zone's list is in the default zone ("public" if not given).
A zone that is not there is refused with firewalld's INVALID_ZONE error.
'''

import dbus

BUS_NAME = 'org.fedoraproject.FirewallD1'
MAIN_OBJ = '/org/fedoraproject/FirewallD1'
MAIN_IFACE = 'org.fedoraproject.FirewallD1'
ZONE_IFACE = 'org.fedoraproject.FirewallD1.zone'
SYSTEM_BUS = True

# firewalld names the interface's zone, or none (""); a zone it does not know it refuses.
ZONE_OF_INTERFACE = '''
ret = ""
for zone in self.zones:
    if args[0] in self.zones[zone].get("interfaces", []):
        ret = zone
'''
SERVICES = '''
if args[0] not in self.zones:
    raise dbus.exceptions.DBusException("INVALID_ZONE: " + args[0],
                                        name="org.fedoraproject.FirewallD1.Exception")
ret = dbus.Array(self.zones[args[0]].get("services", []), signature="s")
'''


def load(mock, parameters):
    mock.zones = parameters.get('zones', {})
    mock.AddProperty(MAIN_IFACE, 'version', '2.0.0')
    mock.AddMethods(MAIN_IFACE, [
        ('getDefaultZone', '', 's', f'ret = {parameters.get("default", "public")!r}'),
    ])
    mock.AddMethods(ZONE_IFACE, [
        ('getZoneOfInterface', 's', 's', ZONE_OF_INTERFACE),
        ('getServices', 's', 'as', SERVICES),
        ('queryService', 'ss', 'b', SERVICES + 'ret = args[1] in ret'),
    ])


