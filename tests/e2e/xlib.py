"""The few things xdotool cannot do, through libX11 and libXtst with ctypes:
the close box's WM_DELETE_WINDOW message, window properties, and a record of
every title a program sets (a title shown for a few milliseconds is still
seen, which polling the window name cannot promise)."""

import ctypes
import ctypes.util
import struct
import threading

_x11 = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
_xtst = ctypes.CDLL(ctypes.util.find_library("Xtst") or "libXtst.so.6")

Window = ctypes.c_ulong
Atom = ctypes.c_ulong

_x11.XOpenDisplay.restype = ctypes.c_void_p
_x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
_x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
_x11.XInternAtom.restype = Atom
_x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
_x11.XFlush.argtypes = [ctypes.c_void_p]
_x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
_x11.XSendEvent.argtypes = [ctypes.c_void_p, Window, ctypes.c_int, ctypes.c_long,
                            ctypes.c_void_p]
_x11.XDefaultRootWindow.restype = Window
_x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
_x11.XFree.argtypes = [ctypes.c_void_p]
_x11.XGrabServer.argtypes = [ctypes.c_void_p]
_x11.XUngrabServer.argtypes = [ctypes.c_void_p]
_x11.XGetGeometry.argtypes = [
    ctypes.c_void_p, Window, ctypes.POINTER(Window), ctypes.POINTER(ctypes.c_int),
    ctypes.POINTER(ctypes.c_int), ctypes.POINTER(ctypes.c_uint), ctypes.POINTER(ctypes.c_uint),
    ctypes.POINTER(ctypes.c_uint), ctypes.POINTER(ctypes.c_uint)]
_x11.XTranslateCoordinates.argtypes = [
    ctypes.c_void_p, Window, Window, ctypes.c_int, ctypes.c_int, ctypes.POINTER(ctypes.c_int),
    ctypes.POINTER(ctypes.c_int), ctypes.POINTER(Window)]
_x11.XGetWindowProperty.argtypes = [
    ctypes.c_void_p, Window, Atom, ctypes.c_long, ctypes.c_long, ctypes.c_int, Atom,
    ctypes.POINTER(Atom), ctypes.POINTER(ctypes.c_int), ctypes.POINTER(ctypes.c_ulong),
    ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_void_p)]

# A failed request on a window that has just gone must not end the test run.
_ERROR_HANDLER = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)(
    lambda display, event: 0)
_x11.XSetErrorHandler.argtypes = [ctypes.c_void_p]
_x11.XSetErrorHandler(_ERROR_HANDLER)

_CLIENT_MESSAGE = 33
_ANY_PROPERTY_TYPE = 0
_X_CHANGE_PROPERTY = 18


class _ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong),
                ("send_event", ctypes.c_int), ("display", ctypes.c_void_p),
                ("window", Window), ("message_type", Atom), ("format", ctypes.c_int),
                ("data", ctypes.c_long * 5)]


class _Event(ctypes.Union):
    _fields_ = [("client", _ClientMessage), ("pad", ctypes.c_long * 24)]


def _open(display_name):
    display = _x11.XOpenDisplay(display_name.encode())
    if not display:
        raise RuntimeError(f"cannot open X display {display_name}")
    return display


class Display:
    """One connection to the X server, used from one thread."""

    def __init__(self, name):
        self._display = _open(name)

    def close(self):
        if self._display:
            _x11.XCloseDisplay(self._display)
            self._display = None

    def root(self):
        return _x11.XDefaultRootWindow(self._display)

    def atom(self, name):
        return _x11.XInternAtom(self._display, name.encode(), 0)

    def property(self, window, name):
        """The property's items (numbers for format 32, bytes otherwise), or
        None when the window does not have it."""
        actual_type, actual_format = Atom(), ctypes.c_int()
        count, remaining, data = ctypes.c_ulong(), ctypes.c_ulong(), ctypes.c_void_p()
        status = _x11.XGetWindowProperty(
            self._display, window, self.atom(name), 0, 1 << 16, 0, _ANY_PROPERTY_TYPE,
            ctypes.byref(actual_type), ctypes.byref(actual_format), ctypes.byref(count),
            ctypes.byref(remaining), ctypes.byref(data))
        if status != 0 or not data.value:
            return None
        try:
            if actual_format.value == 32:
                # Xlib hands 32-bit items over as longs.
                return list((ctypes.c_long * count.value).from_address(data.value))
            size = count.value * actual_format.value // 8
            return ctypes.string_at(data.value, size)
        finally:
            _x11.XFree(data)

    def geometry(self, window):
        """(x, y, width, height) of the window's inside on the screen, or None
        when it is gone."""
        root, x, y = Window(), ctypes.c_int(), ctypes.c_int()
        width, height, border, depth = (ctypes.c_uint() for _ in range(4))
        if not _x11.XGetGeometry(self._display, window, ctypes.byref(root), ctypes.byref(x),
                                 ctypes.byref(y), ctypes.byref(width), ctypes.byref(height),
                                 ctypes.byref(border), ctypes.byref(depth)):
            return None
        child = Window()
        if not _x11.XTranslateCoordinates(self._display, window, root, 0, 0, ctypes.byref(x),
                                          ctypes.byref(y), ctypes.byref(child)):
            return None
        return x.value, y.value, width.value, height.value

    def send_close_request(self, window):
        """What a close box sends: a WM_DELETE_WINDOW client message."""
        event = _Event()
        event.client.type = _CLIENT_MESSAGE
        event.client.window = window
        event.client.message_type = self.atom("WM_PROTOCOLS")
        event.client.format = 32
        event.client.data[0] = self.atom("WM_DELETE_WINDOW")
        event.client.data[1] = 0  # CurrentTime
        _x11.XSendEvent(self._display, window, 0, 0, ctypes.byref(event))
        _x11.XSync(self._display, 0)


class SlowServer:
    """Holds the server grab hold seconds at a time, as a busy desktop slows X."""

    def __init__(self, display_name, hold=0.5, gap=0.05):
        self._display = _open(display_name)
        self._stop = threading.Event()
        self._thread = threading.Thread(target=self._run, args=(hold, gap), daemon=True)
        self._thread.start()

    def _run(self, hold, gap):
        while not self._stop.wait(gap):
            _x11.XGrabServer(self._display)
            _x11.XSync(self._display, 0)
            self._stop.wait(hold)
            _x11.XUngrabServer(self._display)
            _x11.XSync(self._display, 0)

    def stop(self):
        if self._display:
            self._stop.set()
            self._thread.join(timeout=5)
            _x11.XCloseDisplay(self._display)
            self._display = None


class _Range8(ctypes.Structure):
    _fields_ = [("first", ctypes.c_ubyte), ("last", ctypes.c_ubyte)]


class _Range16(ctypes.Structure):
    _fields_ = [("first", ctypes.c_ushort), ("last", ctypes.c_ushort)]


class _ExtRange(ctypes.Structure):
    _fields_ = [("ext_major", _Range8), ("ext_minor", _Range16)]


class _RecordRange(ctypes.Structure):
    _fields_ = [("core_requests", _Range8), ("core_replies", _Range8),
                ("ext_requests", _ExtRange), ("ext_replies", _ExtRange),
                ("delivered_events", _Range8), ("device_events", _Range8),
                ("errors", _Range8), ("client_started", ctypes.c_int),
                ("client_died", ctypes.c_int)]


class _InterceptData(ctypes.Structure):
    _fields_ = [("id_base", ctypes.c_ulong), ("server_time", ctypes.c_ulong),
                ("client_seq", ctypes.c_ulong), ("category", ctypes.c_int),
                ("client_swapped", ctypes.c_int), ("data", ctypes.POINTER(ctypes.c_ubyte)),
                ("data_len", ctypes.c_ulong)]


_INTERCEPT = ctypes.CFUNCTYPE(None, ctypes.c_void_p, ctypes.POINTER(_InterceptData))
_RECORD_ALL_CLIENTS = 3
_RECORD_FROM_CLIENT = 1
_RECORD_FROM_SERVER_TIME = 1

_xtst.XRecordAllocRange.restype = ctypes.POINTER(_RecordRange)
_xtst.XRecordCreateContext.restype = ctypes.c_ulong
_xtst.XRecordCreateContext.argtypes = [
    ctypes.c_void_p, ctypes.c_int, ctypes.POINTER(ctypes.c_ulong), ctypes.c_int,
    ctypes.POINTER(ctypes.POINTER(_RecordRange)), ctypes.c_int]
_xtst.XRecordEnableContext.argtypes = [ctypes.c_void_p, ctypes.c_ulong, _INTERCEPT,
                                       ctypes.c_void_p]
_xtst.XRecordDisableContext.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
_xtst.XRecordFreeContext.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
_xtst.XRecordFreeData.argtypes = [ctypes.POINTER(_InterceptData)]


class TitleRecord:
    """Every _NET_WM_NAME that any client sets, in order, as the X server
    receives it: (window, title, server time in ms). Started before the
    program, so that nothing it does is missed."""

    def __init__(self, display_name):
        self._lock = threading.Lock()
        self._changes = []
        self._control = _open(display_name)
        self._data = _open(display_name)
        self._name_atom = _x11.XInternAtom(self._control, b"_NET_WM_NAME", 0)
        record_range = _xtst.XRecordAllocRange()
        record_range.contents.core_requests.first = _X_CHANGE_PROPERTY
        record_range.contents.core_requests.last = _X_CHANGE_PROPERTY
        clients = ctypes.c_ulong(_RECORD_ALL_CLIENTS)
        self._context = _xtst.XRecordCreateContext(
            self._control, _RECORD_FROM_SERVER_TIME, ctypes.byref(clients), 1,
            ctypes.byref(record_range), 1)
        _x11.XFree(record_range)
        if not self._context:
            raise RuntimeError("the X server refused a RECORD context")
        _x11.XSync(self._control, 0)
        self._callback = _INTERCEPT(self._intercept)
        self._thread = threading.Thread(target=self._run, daemon=True)
        self._thread.start()

    def _run(self):
        _xtst.XRecordEnableContext(self._data, self._context, self._callback, None)

    def _intercept(self, closure, data):
        try:
            record = data.contents
            if record.category != _RECORD_FROM_CLIENT or record.data_len < 6:
                return
            raw = ctypes.string_at(record.data, record.data_len * 4)
            order = ">" if record.client_swapped else "<"
            opcode = raw[0]
            window, prop, _, fmt, units = struct.unpack(order + "4xIIIB3xI", raw[:24])
            if opcode != _X_CHANGE_PROPERTY or prop != self._name_atom or fmt != 8:
                return
            title = raw[24:24 + units].decode("utf-8", "replace")
            with self._lock:
                self._changes.append((window, title, record.server_time))
        finally:
            _xtst.XRecordFreeData(data)

    def changes(self, window):
        """The window's titles in order with the server time in ms at which
        each was set; setting the title it already had is no change."""
        result = []
        with self._lock:
            for changed, title, server_time in self._changes:
                if changed == window and (not result or result[-1][0] != title):
                    result.append((title, server_time))
        return result

    def close(self):
        if self._context:
            _xtst.XRecordDisableContext(self._control, self._context)
            _x11.XSync(self._control, 0)
            self._thread.join(timeout=5)
            _xtst.XRecordFreeContext(self._control, self._context)
            self._context = 0
        for display in (self._control, self._data):
            if display and not self._thread.is_alive():
                _x11.XCloseDisplay(display)
        self._control = self._data = None

