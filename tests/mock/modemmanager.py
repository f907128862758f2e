'''ModemManager 1.20 mock template for python-dbusmock

Serves org.freedesktop.ModemManager1 with modems that carry the Modem and
Modem.Messaging interfaces, and SMS objects with the Sms interface, close
enough to the real daemon for mmcli and libmm-glib clients (MMManager,
MMModemMessaging, MMSms).

Start it on the bus that DBUS_SYSTEM_BUS_ADDRESS names:
    /usr/bin/python3 -m dbusmock --system --template tests/mock/modemmanager.py

Objects follow the real daemon:
- /org/freedesktop/ModemManager1 implements org.freedesktop.DBus.ObjectManager
  and org.freedesktop.ModemManager1. The object manager lists modems only: the
  daemon exports SMS objects on the connection, outside the object manager,
  and libmm-glib reaches them through the Messages property, List and Create.
  (Listed there, each would become an MMObject without a modem in MMManager,
  and mmcli -L would warn about it.)
- Modems are /org/freedesktop/ModemManager1/Modem/N, N counting up from 0 and
  never reused; SMS are /org/freedesktop/ModemManager1/SMS/N, N counting up
  from 0 over all modems and never reused.
- Every property change is announced with
  org.freedesktop.DBus.Properties.PropertiesChanged.

Control methods on org.freedesktop.DBus.Mock of the main object:
    AddModem() -> o
    RemoveModem(o modem)
    SetSignalQuality(o modem, u percent)
    ReceiveSms(o modem, s number, s text, s timestamp) -> o
    ReceiveMultipart(o modem, s number, s text, s timestamp) -> o
    CompleteMultipart(o sms)
    AddStatusReport(o modem, s number, u reference, u delivery_state) -> o
    PreloadSms(o modem, s number, s text, s timestamp) -> o
    SetSendDelay(d seconds)
    SetSendError(s name, s message)
    SetDeleteError(s name, s message)
    SetNextReference(u reference)
'''

import time

import dbus
import dbus.service
from gi.repository import GLib

from dbusmock import MOCK_IFACE, OBJECT_MANAGER_IFACE
from dbusmock.mockobject import objects

BUS_NAME = 'org.freedesktop.ModemManager1'
MAIN_OBJ = '/org/freedesktop/ModemManager1'
MAIN_IFACE = 'org.freedesktop.ModemManager1'
SYSTEM_BUS = True
IS_OBJECT_MANAGER = True

MODEM_IFACE = 'org.freedesktop.ModemManager1.Modem'
MESSAGING_IFACE = 'org.freedesktop.ModemManager1.Modem.Messaging'
SMS_IFACE = 'org.freedesktop.ModemManager1.Sms'
MODEM_PREFIX = MAIN_OBJ + '/Modem/'
SMS_PREFIX = MAIN_OBJ + '/SMS/'

ERR_CORE = 'org.freedesktop.ModemManager1.Error.Core.'
ERR_FAILED = ERR_CORE + 'Failed'
ERR_INVALID_ARGS = ERR_CORE + 'InvalidArgs'
ERR_NOT_FOUND = ERR_CORE + 'NotFound'
ERR_IN_PROGRESS = ERR_CORE + 'InProgress'
ERR_ABORTED = ERR_CORE + 'Aborted'
ERR_UNSUPPORTED = ERR_CORE + 'Unsupported'
ERR_MOCK_ARGS = 'org.freedesktop.DBus.Error.InvalidArgs'
ERR_MOCK_NAME = 'org.freedesktop.DBus.Mock.NameError'

# ModemManager-enums.h values used below
MODEM_STATE_REGISTERED = 8
SMS_STATE_UNKNOWN = 0
SMS_STATE_STORED = 1
SMS_STATE_RECEIVING = 2
SMS_STATE_RECEIVED = 3
SMS_STATE_SENDING = 4
SMS_STATE_SENT = 5
PDU_DELIVER = 1
PDU_SUBMIT = 2
PDU_STATUS_REPORT = 3
PDU_CDMA_SUBMIT = 33
STORAGE_UNKNOWN = 0
STORAGE_SM = 1
STORAGE_ME = 2
DELIVERY_STATE_UNKNOWN = 0x100

SUPPORTED_STORAGES = [STORAGE_SM, STORAGE_ME]
DEFAULT_STORAGE = STORAGE_ME

# Create() keys and the D-Bus type each must carry, as libmm-glib's
# MMSmsProperties accepts them.
CREATE_KEYS = {
    'number': dbus.String,
    'text': dbus.String,
    'data': dbus.Array,
    'smsc': dbus.String,
    'validity': dbus.Struct,
    'class': dbus.Int32,
    'delivery-report-request': dbus.Boolean,
    'teleservice-id': dbus.UInt32,
    'service-category': dbus.UInt32,
}

# The main mock object; the per-object methods reach the shared state here.
_main = None


def _err(name, message):
    return dbus.exceptions.DBusException(message, name=name)


def _validity(kind=0, value=None):
    '''Validity (uv): unknown validity carries a boolean false, as in the daemon.'''
    inner = dbus.Boolean(False, variant_level=1) if value is None else dbus.UInt32(value, variant_level=1)
    return dbus.Struct((dbus.UInt32(kind), inner), signature='uv')


def _emit_changed(obj, iface, changes):
    '''Store changed properties and announce them in one PropertiesChanged.'''
    for name, value in changes.items():
        obj.props[iface][name] = value
    obj.EmitSignal(dbus.PROPERTIES_IFACE, 'PropertiesChanged', 'sa{sv}as',
                   [iface, dbus.Dictionary(changes, signature='sv'), dbus.Array([], signature='s')])


def _export_method(obj, iface, name, in_sig, out_sig, dbus_fn):
    '''Hang a dbus-python method on one mock object only (not on its class).'''
    obj.methods.setdefault(iface, {})[name] = (in_sig, out_sig, '', dbus_fn)


def _object(path, prefix, what):
    path = str(path)
    obj = objects.get(path)
    if not path.startswith(prefix) or obj is None:
        raise _err(ERR_MOCK_NAME, f'no {what} at {path}')
    return obj


def _modem(path):
    return _object(path, MODEM_PREFIX, 'modem')


def _sms(path):
    return _object(path, SMS_PREFIX, 'SMS')


#
# Object manager
#

def _get_managed_objects(_self):
    return dbus.Dictionary({dbus.ObjectPath(path): obj.props for path, obj in objects.items()
                            if path.startswith(MODEM_PREFIX)}, signature='oa{sa{sv}}')


def _emit_interfaces_added(path):
    _main.EmitSignal(OBJECT_MANAGER_IFACE, 'InterfacesAdded', 'oa{sa{sv}}',
                     [dbus.ObjectPath(path), objects[path].props])


def _emit_interfaces_removed(path):
    _main.EmitSignal(OBJECT_MANAGER_IFACE, 'InterfacesRemoved', 'oas',
                     [dbus.ObjectPath(path), dbus.Array(list(objects[path].props.keys()), signature='s')])


#
# SMS objects
#

def _sms_props(number='', text='', timestamp='', state=SMS_STATE_UNKNOWN, pdu_type=PDU_SUBMIT,
               storage=STORAGE_UNKNOWN):
    return {
        'State': dbus.UInt32(state),
        'PduType': dbus.UInt32(pdu_type),
        'Number': dbus.String(number),
        'Text': dbus.String(text),
        'Data': dbus.Array([], signature='y'),
        'SMSC': dbus.String(''),
        'Validity': _validity(),
        'Class': dbus.Int32(-1),
        'TeleserviceId': dbus.UInt32(0),
        'ServiceCategory': dbus.UInt32(0),
        'DeliveryReportRequest': dbus.Boolean(False),
        'MessageReference': dbus.UInt32(0),
        'Timestamp': dbus.String(timestamp),
        'DischargeTimestamp': dbus.String(''),
        'DeliveryState': dbus.UInt32(DELIVERY_STATE_UNKNOWN),
        'Storage': dbus.UInt32(storage),
    }


def _make_sms_methods():
    '''Build the Sms interface methods; kept out of module scope so that the
    template loader does not put them on the main object.'''

    @dbus.service.method(SMS_IFACE, in_signature='', out_signature='',
                         async_callbacks=('reply_cb', 'error_cb'))
    def Send(self, reply_cb, error_cb):
        self.log(f'Send {self.path}')
        props = self.props[SMS_IFACE]
        state = int(props['State'])
        if state in (SMS_STATE_RECEIVED, SMS_STATE_RECEIVING) or \
                int(props['PduType']) in (PDU_DELIVER, PDU_STATUS_REPORT):
            raise _err(ERR_FAILED, 'This SMS was received, cannot send it')
        if state == SMS_STATE_SENT:
            raise _err(ERR_FAILED, 'This SMS was already sent, cannot send it again')
        if state == SMS_STATE_SENDING:
            raise _err(ERR_IN_PROGRESS, 'This SMS is already being sent')

        _emit_changed(self, SMS_IFACE, {'State': dbus.UInt32(SMS_STATE_SENDING)})
        path = self.path

        def finish():
            if objects.get(path) is not self:
                error_cb(_err(ERR_ABORTED, 'The SMS was deleted while being sent'))
                return False
            if _main.mm_send_error is not None:
                _emit_changed(self, SMS_IFACE, {'State': dbus.UInt32(state)})
                error_cb(_err(*_main.mm_send_error))
                return False
            reference = _main.mm_next_reference
            _main.mm_next_reference = (reference + 1) & 0xFF
            changes = {'MessageReference': dbus.UInt32(reference), 'State': dbus.UInt32(SMS_STATE_SENT)}
            if int(props['PduType']) not in (PDU_SUBMIT, PDU_CDMA_SUBMIT):
                changes['PduType'] = dbus.UInt32(PDU_SUBMIT)
            _emit_changed(self, SMS_IFACE, changes)
            reply_cb()
            return False

        delay_ms = int(_main.mm_send_delay * 1000)
        if delay_ms > 0:
            GLib.timeout_add(delay_ms, finish)
        else:
            finish()

    @dbus.service.method(SMS_IFACE, in_signature='u', out_signature='')
    def Store(self, storage):
        self.log(f'Store {self.path} {storage}')
        props = self.props[SMS_IFACE]
        storage = int(storage) or DEFAULT_STORAGE
        current = int(props['Storage'])
        if current != STORAGE_UNKNOWN:
            if current != storage:
                raise _err(ERR_FAILED, f'SMS is already stored in storage {current}, '
                                       f'cannot store it in storage {storage}')
            return
        if storage not in SUPPORTED_STORAGES:
            raise _err(ERR_UNSUPPORTED, f'Storage {storage} is not supported for storing')
        changes = {'Storage': dbus.UInt32(storage)}
        if int(props['State']) == SMS_STATE_UNKNOWN:
            changes['State'] = dbus.UInt32(SMS_STATE_STORED)
        _emit_changed(self, SMS_IFACE, changes)

    return Send, Store


def _new_sms(props):
    '''Export a new SMS object with the next index; the caller adds it to the
    modem's Messages and emits Added as the case needs.'''
    path = f'{SMS_PREFIX}{_main.mm_next_sms}'
    _main.mm_next_sms += 1
    _main.AddObject(path, SMS_IFACE, dbus.Dictionary(props, signature='sv'), [])
    sms = objects[path]
    send, store = _main.mm_sms_methods
    _export_method(sms, SMS_IFACE, 'Send', '', '', send)
    _export_method(sms, SMS_IFACE, 'Store', 'u', '', store)
    return path


def _announce_sms(modem, path, received):
    '''Added first, then the Messages property, in the daemon's order.'''
    modem.EmitSignal(MESSAGING_IFACE, 'Added', 'ob', [dbus.ObjectPath(path), dbus.Boolean(received)])
    _set_messages(modem, list(modem.props[MESSAGING_IFACE]['Messages']) + [dbus.ObjectPath(path)])


def _set_messages(modem, paths):
    _emit_changed(modem, MESSAGING_IFACE, {'Messages': dbus.Array(paths, signature='o')})


#
# Messaging interface (on each modem)
#

def _messaging_list(modem):
    return dbus.Array(modem.props[MESSAGING_IFACE]['Messages'], signature='o')


def _messaging_create(modem, properties):
    for key, value in properties.items():
        if key not in CREATE_KEYS:
            raise _err(ERR_INVALID_ARGS, f"Invalid properties dictionary, unexpected key '{key}'")
        if not isinstance(value, CREATE_KEYS[key]):
            raise _err(ERR_INVALID_ARGS, f"Invalid properties dictionary, wrong type for key '{key}'")
    if 'number' not in properties or ('text' not in properties and 'data' not in properties):
        missing = 'number' if 'number' not in properties else "text' or 'data"
        raise _err(ERR_INVALID_ARGS, f"Cannot create SMS: mandatory parameter '{missing}' is missing")
    if 'text' in properties and 'data' in properties:
        raise _err(ERR_INVALID_ARGS, "Cannot create SMS: both 'text' and 'data' given")

    teleservice = int(properties.get('teleservice-id', 0))
    props = _sms_props(number=str(properties['number']), text=str(properties.get('text', '')),
                       pdu_type=PDU_CDMA_SUBMIT if teleservice else PDU_SUBMIT)
    if 'data' in properties:
        try:
            props['Data'] = dbus.Array([dbus.Byte(int(b)) for b in properties['data']], signature='y')
        except (TypeError, ValueError) as e:
            raise _err(ERR_INVALID_ARGS, "Invalid properties dictionary, wrong type for key 'data'") from e
    props['SMSC'] = dbus.String(properties.get('smsc', ''))
    props['Class'] = dbus.Int32(properties.get('class', -1))
    props['TeleserviceId'] = dbus.UInt32(teleservice)
    props['ServiceCategory'] = dbus.UInt32(properties.get('service-category', 0))
    props['DeliveryReportRequest'] = dbus.Boolean(properties.get('delivery-report-request', False))
    if 'validity' in properties:
        validity = properties['validity']
        if len(validity) != 2:
            raise _err(ERR_INVALID_ARGS, "Invalid properties dictionary, wrong type for key 'validity'")
        if int(validity[0]) == 1:
            props['Validity'] = _validity(1, int(validity[1]))

    path = _new_sms(props)
    _announce_sms(modem, path, False)
    return dbus.ObjectPath(path)


def _messaging_delete(modem, path):
    path = str(path)
    if _main.mm_delete_error is not None:
        raise _err(*_main.mm_delete_error)
    messages = [p for p in modem.props[MESSAGING_IFACE]['Messages'] if str(p) != path]
    if len(messages) == len(modem.props[MESSAGING_IFACE]['Messages']):
        raise _err(ERR_NOT_FOUND, f"No SMS found with path '{path}'")
    _main.RemoveObject(path)
    modem.EmitSignal(MESSAGING_IFACE, 'Deleted', 'o', [dbus.ObjectPath(path)])
    _set_messages(modem, messages)


#
# Modem objects
#

def _modem_props(index):
    imei = f'35{index:013d}'
    return {
        'Sim': dbus.ObjectPath('/'),
        'SimSlots': dbus.Array([], signature='o'),
        'PrimarySimSlot': dbus.UInt32(0),
        'Bearers': dbus.Array([], signature='o'),
        'SupportedCapabilities': dbus.Array([dbus.UInt32(4 | 8)], signature='u'),
        'CurrentCapabilities': dbus.UInt32(4 | 8),
        'MaxBearers': dbus.UInt32(1),
        'MaxActiveBearers': dbus.UInt32(1),
        'MaxActiveMultiplexedBearers': dbus.UInt32(1),
        'Manufacturer': dbus.String('Mock Devices'),
        'Model': dbus.String('Mock LTE Modem'),
        'Revision': dbus.String('MOCK.1.20'),
        'CarrierConfiguration': dbus.String(''),
        'CarrierConfigurationRevision': dbus.String(''),
        'HardwareRevision': dbus.String('1.0'),
        'DeviceIdentifier': dbus.String(f'{index:040x}'),
        'Device': dbus.String(f'/sys/devices/mock/modem{index}'),
        'Drivers': dbus.Array(['option'], signature='s'),
        'Plugin': dbus.String('generic'),
        'PrimaryPort': dbus.String(f'ttyMOCK{index}'),
        'Ports': dbus.Array([dbus.Struct((dbus.String(f'ttyMOCK{index}'), dbus.UInt32(3)), signature='su')],
                            signature='(su)'),
        'EquipmentIdentifier': dbus.String(imei),
        'UnlockRequired': dbus.UInt32(1),
        'UnlockRetries': dbus.Dictionary({}, signature='uu'),
        'State': dbus.Int32(MODEM_STATE_REGISTERED),
        'StateFailedReason': dbus.UInt32(0),
        'AccessTechnologies': dbus.UInt32(1 << 14),
        'SignalQuality': dbus.Struct((dbus.UInt32(75), dbus.Boolean(True)), signature='ub'),
        'OwnNumbers': dbus.Array([f'+1555000{index:04d}'], signature='s'),
        'PowerState': dbus.UInt32(3),
        'SupportedModes': dbus.Array([dbus.Struct((dbus.UInt32(2 | 4 | 8), dbus.UInt32(8)), signature='uu')],
                                     signature='(uu)'),
        'CurrentModes': dbus.Struct((dbus.UInt32(2 | 4 | 8), dbus.UInt32(8)), signature='uu'),
        'SupportedBands': dbus.Array([dbus.UInt32(31), dbus.UInt32(33)], signature='u'),
        'CurrentBands': dbus.Array([dbus.UInt32(31), dbus.UInt32(33)], signature='u'),
        'SupportedIpFamilies': dbus.UInt32(1 | 2 | 4),
    }


def _messaging_props():
    return {
        'Messages': dbus.Array([], signature='o'),
        'SupportedStorages': dbus.Array([dbus.UInt32(s) for s in SUPPORTED_STORAGES], signature='u'),
        'DefaultStorage': dbus.UInt32(DEFAULT_STORAGE),
    }


def load(mock, _parameters):
    global _main  # pylint: disable=global-statement
    _main = mock
    mock.mm_next_modem = 0
    mock.mm_next_sms = 0
    mock.mm_next_reference = 0
    mock.mm_send_delay = 0.0
    mock.mm_send_error = None
    mock.mm_delete_error = None
    mock.mm_sms_methods = _make_sms_methods()

    mock.AddMethod(OBJECT_MANAGER_IFACE, 'GetManagedObjects', '', 'a{oa{sa{sv}}}', _get_managed_objects)
    mock.AddMethods(MAIN_IFACE, [
        ('ScanDevices', '', '', ''),
        ('SetLogging', 's', '', ''),
        ('ReportKernelEvent', 'a{sv}', '', ''),
        ('InhibitDevice', 'sb', '', ''),
    ])
    mock.AddProperties(MAIN_IFACE, dbus.Dictionary({'Version': dbus.String('1.20.4')}, signature='sv'))


#
# Control methods
#

@dbus.service.method(MOCK_IFACE, in_signature='', out_signature='o')
def AddModem(self):
    '''Add a registered modem with messaging; returns its path.'''
    index = self.mm_next_modem
    self.mm_next_modem += 1
    path = f'{MODEM_PREFIX}{index}'
    self.AddObject(path, MODEM_IFACE, dbus.Dictionary(_modem_props(index), signature='sv'), [])
    modem = objects[path]
    modem.AddProperties(MESSAGING_IFACE, dbus.Dictionary(_messaging_props(), signature='sv'))
    modem.AddMethod(MESSAGING_IFACE, 'List', '', 'ao', _messaging_list)
    modem.AddMethod(MESSAGING_IFACE, 'Create', 'a{sv}', 'o', _messaging_create)
    modem.AddMethod(MESSAGING_IFACE, 'Delete', 'o', '', _messaging_delete)
    _emit_interfaces_added(path)
    return dbus.ObjectPath(path)


@dbus.service.method(MOCK_IFACE, in_signature='o', out_signature='')
def RemoveModem(self, path):
    '''Remove a modem and its SMS objects, as when the device is unplugged.'''
    modem = _modem(path)
    for sms in list(modem.props[MESSAGING_IFACE]['Messages']):
        self.RemoveObject(str(sms))
    _emit_interfaces_removed(str(path))
    self.RemoveObject(str(path))


@dbus.service.method(MOCK_IFACE, in_signature='ou', out_signature='')
def SetSignalQuality(self, path, percent):
    '''Set SignalQuality to (percent, recent=true).'''
    if percent > 100:
        raise _err(ERR_MOCK_ARGS, 'signal quality is a percentage 0-100')
    _emit_changed(_modem(path), MODEM_IFACE, {
        'SignalQuality': dbus.Struct((dbus.UInt32(percent), dbus.Boolean(True)), signature='ub')})


def _received_props(number, text, timestamp):
    return _sms_props(number=str(number), text=str(text), timestamp=str(timestamp),
                      state=SMS_STATE_RECEIVED, pdu_type=PDU_DELIVER, storage=DEFAULT_STORAGE)


@dbus.service.method(MOCK_IFACE, in_signature='osss', out_signature='o')
def ReceiveSms(self, modem_path, number, text, timestamp):
    '''An SMS arrives from the network: Added(path, true), state received.'''
    modem = _modem(modem_path)
    path = _new_sms(_received_props(number, text, timestamp))
    _announce_sms(modem, path, True)
    return dbus.ObjectPath(path)


@dbus.service.method(MOCK_IFACE, in_signature='osss', out_signature='o')
def ReceiveMultipart(self, modem_path, number, text, timestamp):
    '''The first part of a two-part SMS arrives: Added(path, true) while the
    state is receiving and Text holds the first half of text; CompleteMultipart
    delivers the rest.'''
    modem = _modem(modem_path)
    props = _received_props(number, str(text)[:len(text) // 2], timestamp)
    props['State'] = dbus.UInt32(SMS_STATE_RECEIVING)
    path = _new_sms(props)
    objects[path].mm_full_text = str(text)
    _announce_sms(modem, path, True)
    return dbus.ObjectPath(path)


@dbus.service.method(MOCK_IFACE, in_signature='o', out_signature='')
def CompleteMultipart(self, path):
    '''The last part arrives: full Text and state received in one PropertiesChanged.'''
    sms = _sms(path)
    if int(sms.props[SMS_IFACE]['State']) != SMS_STATE_RECEIVING:
        raise _err(ERR_MOCK_ARGS, f'{path} is not receiving')
    _emit_changed(sms, SMS_IFACE, {'Text': dbus.String(sms.mm_full_text),
                                   'State': dbus.UInt32(SMS_STATE_RECEIVED)})


@dbus.service.method(MOCK_IFACE, in_signature='osuu', out_signature='o')
def AddStatusReport(self, modem_path, number, reference, delivery_state):
    '''A status report arrives as a new SMS (PduType 3) for the message with
    this reference; the original SMS is not changed.'''
    if reference > 255:
        raise _err(ERR_MOCK_ARGS, 'message references are 8 bits')
    modem = _modem(modem_path)
    now = time.strftime('%Y-%m-%dT%H:%M:%S+00', time.gmtime())
    props = _received_props(number, '', now)
    props['PduType'] = dbus.UInt32(PDU_STATUS_REPORT)
    props['MessageReference'] = dbus.UInt32(reference)
    props['DeliveryState'] = dbus.UInt32(delivery_state)
    props['DischargeTimestamp'] = dbus.String(now)
    path = _new_sms(props)
    _announce_sms(modem, path, True)
    return dbus.ObjectPath(path)


@dbus.service.method(MOCK_IFACE, in_signature='osss', out_signature='o')
def PreloadSms(self, modem_path, number, text, timestamp):
    '''A received SMS already in modem storage: listed, no Added signal.'''
    modem = _modem(modem_path)
    path = _new_sms(_received_props(number, text, timestamp))
    _set_messages(modem, list(modem.props[MESSAGING_IFACE]['Messages']) + [dbus.ObjectPath(path)])
    return dbus.ObjectPath(path)


@dbus.service.method(MOCK_IFACE, in_signature='d', out_signature='')
def SetSendDelay(self, seconds):
    '''Make each Send take this long (state sending meanwhile); the mock keeps
    answering other calls during the delay.'''
    if not 0 <= seconds <= 600:
        raise _err(ERR_MOCK_ARGS, 'send delay must be 0-600 seconds')
    self.mm_send_delay = float(seconds)


def _error_or_none(name, message):
    '''The (name, message) of a D-Bus error a call is to fail with; None for an empty name.'''
    if not name:
        return None
    try:
        dbus.validate_error_name(name)
    except ValueError as e:
        raise _err(ERR_MOCK_ARGS, f'invalid error name {name}') from e
    return (str(name), str(message))


@dbus.service.method(MOCK_IFACE, in_signature='ss', out_signature='')
def SetSendError(self, name, message):
    '''Make every following Send fail with this D-Bus error (the SMS keeps its
    previous state); an empty name makes sends succeed again.'''
    self.mm_send_error = _error_or_none(name, message)


@dbus.service.method(MOCK_IFACE, in_signature='ss', out_signature='')
def SetDeleteError(self, name, message):
    '''Make every following Messaging.Delete fail with this D-Bus error (the SMS
    stays on the modem); an empty name makes deletes work again.'''
    self.mm_delete_error = _error_or_none(name, message)


@dbus.service.method(MOCK_IFACE, in_signature='u', out_signature='')
def SetNextReference(self, reference):
    '''Set the MessageReference the next successful Send gets (0-255; it then
    counts up and wraps from 255 to 0).'''
    if reference > 255:
        raise _err(ERR_MOCK_ARGS, 'message references are 8 bits')
    self.mm_next_reference = int(reference)
