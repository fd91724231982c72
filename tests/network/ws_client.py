"""A small WebSocket client over a plain socket, enough to talk to a table server the way a
player's program would, and also the way no honest program would: it can send any frame, masked
or not, whole or in pieces, and it reads every frame the server sends, close frames with their
code and reason included. Every wait has a deadline; nothing here retries."""

import base64
import hashlib
import json
import os
import socket
import struct
import time

GUID = "258EAFA5-E914-47DA-95CA-C5AB0DC85B11"
TEXT, BINARY, CLOSE, PING, PONG, CONTINUATION = 0x1, 0x2, 0x8, 0x9, 0xA, 0x0
HOST = "127.0.0.1"


class Timeout(Exception):
    pass


class ProtocolFault(Exception):
    """The server sent something no WebSocket server may send."""


class Message:
    """One thing read from the server: a text or binary message, its close frame (code and
    reason), or the end of the stream with no close frame before it ("eof")."""

    def __init__(self, kind, data=b"", code=None, reason=""):
        self.kind = kind
        self.data = data
        self.code = code
        self.reason = reason

    def json(self):
        return json.loads(self.data.decode("utf-8"))

    def __repr__(self):
        if self.kind == "close":
            return "close(%s, %r)" % (self.code, self.reason)
        if self.kind == "text":
            return "text(%s)" % self.data.decode("utf-8", "replace")[:200]
        return self.kind


def remaining(deadline):
    left = deadline - time.monotonic()
    if left <= 0:
        raise Timeout("the deadline passed")
    return left


def connect_tcp(port, deadline):
    sock = socket.create_connection((HOST, port), timeout=remaining(deadline))
    sock.setsockopt(socket.IPPROTO_TCP, socket.TCP_NODELAY, 1)
    return sock


def frame_bytes(opcode, payload, fin=True, masked=True):
    head = bytearray([(0x80 if fin else 0) | opcode])
    mask_bit = 0x80 if masked else 0
    n = len(payload)
    if n < 126:
        head.append(mask_bit | n)
    elif n < 1 << 16:
        head.append(mask_bit | 126)
        head += struct.pack("!H", n)
    else:
        head.append(mask_bit | 127)
        head += struct.pack("!Q", n)
    if not masked:
        return bytes(head) + payload
    mask = os.urandom(4)
    return bytes(head) + mask + bytes(b ^ mask[i % 4] for i, b in enumerate(payload))


class WebSocket:
    """One connection to ws://127.0.0.1:port/. open() performs the opening handshake."""

    def __init__(self, port):
        self.port = port
        self.sock = None
        self.buffer = bytearray()
        self.pieces = []
        self.piece_opcode = None
        self.ended = False
        self.close_sent = False
        self.write_refused = False

    def open(self, deadline):
        self.sock = connect_tcp(self.port, deadline)
        key = base64.b64encode(os.urandom(16)).decode("ascii")
        request = ("GET / HTTP/1.1\r\nHost: %s:%d\r\nUpgrade: websocket\r\nConnection: Upgrade\r\n"
                   "Sec-WebSocket-Key: %s\r\nSec-WebSocket-Version: 13\r\n\r\n" %
                   (HOST, self.port, key))
        self.sock.sendall(request.encode("ascii"))
        while b"\r\n\r\n" not in self.buffer:
            if not self._read_some(deadline):
                raise ProtocolFault("the server ended the connection during the handshake")
        head, _, rest = bytes(self.buffer).partition(b"\r\n\r\n")
        self.buffer = bytearray(rest)
        lines = head.decode("latin-1").split("\r\n")
        if not lines[0].startswith("HTTP/1.1 101"):
            raise ProtocolFault("the handshake was answered with " + lines[0])
        headers = {}
        for line in lines[1:]:
            name, _, value = line.partition(":")
            headers[name.strip().lower()] = value.strip()
        expected = base64.b64encode(hashlib.sha1((key + GUID).encode()).digest()).decode()
        if headers.get("sec-websocket-accept") != expected:
            raise ProtocolFault("the handshake's accept key is wrong")
        return self

    def fileno(self):
        return self.sock.fileno()

    def send_frame(self, opcode, payload, fin=True, masked=True):
        """Sends one frame. A server that has already let us go may have shut the stream: what it
        said before that is still read by receive(), so a refused write is not an error here."""
        try:
            self.sock.sendall(frame_bytes(opcode, payload, fin, masked))
        except (BrokenPipeError, ConnectionResetError):
            self.write_refused = True

    def send_text(self, text):
        self.send_frame(TEXT, text.encode("utf-8") if isinstance(text, str) else text)

    def send_json(self, message):
        self.send_text(json.dumps(message, separators=(",", ":")))

    def send_close(self, code=1000, reason=""):
        self.close_sent = True
        self.send_frame(CLOSE, struct.pack("!H", code) + reason.encode("utf-8"))

    def _read_some(self, deadline):
        """Reads what the socket holds, waiting until deadline; False at the end of the stream."""
        self.sock.settimeout(remaining(deadline))
        try:
            data = self.sock.recv(65536)
        except socket.timeout:
            raise Timeout("nothing came from the server in time") from None
        except ConnectionResetError:
            data = b""
        if not data:
            return False
        # The server's stream holds small frames back until they are acknowledged; acknowledging
        # at once (Linux forgets the option after each read) keeps a game from waiting on it.
        self.sock.setsockopt(socket.IPPROTO_TCP, socket.TCP_QUICKACK, 1)
        self.buffer += data
        return True

    def pump(self, deadline):
        """Reads once (the caller knows data is waiting); False at the end of the stream."""
        return self._read_some(deadline)

    def _take_frame(self):
        """The next whole frame in the buffer as (fin, opcode, payload), or None."""
        if len(self.buffer) < 2:
            return None
        first, second = self.buffer[0], self.buffer[1]
        if second & 0x80:
            raise ProtocolFault("the server masked a frame")
        if first & 0x70:
            raise ProtocolFault("the server set a reserved bit")
        n, at = second & 0x7F, 2
        if n == 126:
            if len(self.buffer) < 4:
                return None
            n, at = struct.unpack("!H", self.buffer[2:4])[0], 4
        elif n == 127:
            if len(self.buffer) < 10:
                return None
            n, at = struct.unpack("!Q", self.buffer[2:10])[0], 10
        if len(self.buffer) < at + n:
            return None
        payload = bytes(self.buffer[at:at + n])
        del self.buffer[:at + n]
        return bool(first & 0x80), first & 0x0F, payload

    def take_buffered(self):
        """The next whole message already read, or None; answers pings on the way."""
        while not self.ended:
            frame = self._take_frame()
            if frame is None:
                return None
            fin, opcode, payload = frame
            if opcode == PING:
                self.send_frame(PONG, payload)
            elif opcode == CLOSE:
                return self._closed(payload)
            elif opcode in (TEXT, BINARY, CONTINUATION):
                message = self._assemble(fin, opcode, payload)
                if message is not None:
                    return message
            elif opcode != PONG:
                raise ProtocolFault("the server sent opcode %d" % opcode)
        return None

    def _assemble(self, fin, opcode, payload):
        if opcode != CONTINUATION:
            if self.piece_opcode is not None:
                raise ProtocolFault("the server began a message inside another")
            self.piece_opcode = opcode
        elif self.piece_opcode is None:
            raise ProtocolFault("the server continued no message")
        self.pieces.append(payload)
        if not fin:
            return None
        data = b"".join(self.pieces)
        kind = "text" if self.piece_opcode == TEXT else "binary"
        self.pieces, self.piece_opcode = [], None
        return Message(kind, data)

    def _closed(self, payload):
        self.ended = True
        code = struct.unpack("!H", payload[:2])[0] if len(payload) >= 2 else None
        reason = payload[2:].decode("utf-8", "replace")
        if not self.close_sent:
            self.send_close(code if code is not None else 1000)
        return Message("close", code=code, reason=reason)

    def receive(self, deadline):
        """The next message, waiting until deadline (Timeout after it)."""
        while True:
            message = self.take_buffered()
            if message is not None:
                return message
            if self.ended or not self._read_some(deadline):
                self.ended = True
                return Message("eof")

    def receive_until_end(self, deadline):
        """Every message up to and including the close frame or the end of the stream."""
        messages = []
        while not messages or messages[-1].kind not in ("close", "eof"):
            messages.append(self.receive(deadline))
        return messages

    def wait_for_eof(self, deadline):
        """Waits for the server to end the stream after the close frames; True when it did. A
        server that keeps the stream open is cut off here, and that is reported as False."""
        try:
            while self._read_some(deadline):
                self.buffer.clear()
            return True
        except Timeout:
            return False

    def close(self):
        if self.sock is not None:
            self.sock.close()
            self.sock = None
