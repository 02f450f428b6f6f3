#!/usr/bin/python3
"""Fuzzes vanta-sim over UDP on the loopback interface.

Starts the simulator on a free 127.0.0.1 port and, for --seconds, sends it
mutated SNMP datagrams: v1, v2c and v3 (noAuthNoPriv, authNoPriv and, when
pycryptodome is present, authPriv) GET, GETNEXT, GETBULK and SET requests,
structured SETs with exception-typed values and wrong-length encodings, and
random byte-level mutations of all of them. Between batches it sends a valid
GET and waits for its answer, so the simulator never has more than one batch
queued. Fails (exit 1) when the simulator dies, when a valid GET stays
unanswered, or when the simulator does not stop cleanly at the end; the batch
sent before a crash is written to a file for replaying.

    /usr/bin/python3 tests/fuzz/fuzz_sim.py --seconds 300
    /usr/bin/python3 tests/fuzz/fuzz_sim.py --sim build-release/tools/sim/vanta-sim --seed 7
    /usr/bin/python3 tests/fuzz/fuzz_sim.py --replay fuzz-crash-7-1234.hex

Not run by ctest.
"""

import argparse
import hashlib
import hmac
import os
import random
import select
import signal
import socket
import struct
import shutil
import subprocess
import sys
import tempfile
import time

try:
    from Cryptodome.Cipher import AES
except ImportError:  # authPriv is left out without it
    AES = None

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

SYS_UPTIME = "1.3.6.1.2.1.1.3.0"
SYS_NAME = "1.3.6.1.2.1.1.5.0"

# Writable columns of net-snmp's own modules (target, notify, filter, VACM,
# USM) and the simulator's own writable objects.
SET_TARGETS = [
    "1.3.6.1.6.3.12.1.2.1.2.1", "1.3.6.1.6.3.12.1.2.1.3.1", "1.3.6.1.6.3.12.1.2.1.4.1",
    "1.3.6.1.6.3.12.1.2.1.6.1", "1.3.6.1.6.3.12.1.2.1.7.1", "1.3.6.1.6.3.12.1.2.1.9.1",
    "1.3.6.1.6.3.12.1.3.1.2.1", "1.3.6.1.6.3.12.1.3.1.4.1", "1.3.6.1.6.3.12.1.3.1.7.1",
    "1.3.6.1.6.3.13.1.1.1.2.1", "1.3.6.1.6.3.13.1.1.1.5.1", "1.3.6.1.6.3.13.1.2.1.1.1",
    "1.3.6.1.6.3.13.1.3.1.3.1.1", "1.3.6.1.6.3.13.1.3.1.5.1.1",
    "1.3.6.1.6.3.16.1.5.2.1.3.1.1", "1.3.6.1.6.3.16.1.5.2.1.6.1.1",
    "1.3.6.1.6.3.15.1.2.2.1.9.1.1", "1.3.6.1.6.3.15.1.2.2.1.5.1.1",
    "1.3.6.1.6.3.1.1.6.1.0",
    SYS_NAME, "1.3.6.1.2.1.1.4.0", "1.3.6.1.2.1.1.6.0", "1.3.6.1.2.1.2.2.1.7.1",
    "1.3.6.1.2.1.16.19.12.0", "1.3.6.1.2.1.17.7.1.4.3.1.5.20", "1.3.6.1.2.1.17.7.1.4.3.1.1.20",
    "1.3.6.1.4.1.99917.11.70.1.2.3.2.1.4.3.1", "1.3.6.1.4.1.99917.11.70.1.2.1.2.4.0",
    "1.0.8802.1.1.1.1.1.1.0",
]
READ_TARGETS = [SYS_UPTIME, "1.3.6.1.2.1.1.1.0", "1.3.6.1.2.1.2.2.1.8.1", "1.3.6.1.6.3.10.2.1.1.0",
                "1.3.6.1.4.1.99917", "1.3.6.1.2.1.17.7.1.4.3", "1.3.6.1.6.3.15.1.2.2", "1.3.6", "0.0"]

GET, GETNEXT, RESPONSE, SET, TRAP1, GETBULK, INFORM, TRAP2, REPORT = (
    0xA0, 0xA1, 0xA2, 0xA3, 0xA4, 0xA5, 0xA6, 0xA7, 0xA8)


# --- BER ---------------------------------------------------------------------

def length_of(n):
    if n < 0x80:
        return bytes([n])
    raw = n.to_bytes((n.bit_length() + 7) // 8, "big")
    return bytes([0x80 | len(raw)]) + raw


def tlv(tag, value):
    return bytes([tag]) + length_of(len(value)) + value


def integer(n, tag=0x02):
    size = max(1, (n.bit_length() + 8) // 8)
    return tlv(tag, n.to_bytes(size, "big", signed=True))


def unsigned(n, tag):
    size = max(1, (n.bit_length() + 8) // 8)
    return tlv(tag, n.to_bytes(size, "big"))


def octets(value, tag=0x04):
    return tlv(tag, value if isinstance(value, bytes) else value.encode())


def null():
    return tlv(0x05, b"")


def oid(text):
    arcs = [int(a) for a in text.strip(".").split(".")]
    body = bytes([arcs[0] * 40 + arcs[1]])
    for arc in arcs[2:]:
        chunk = [arc & 0x7F]
        arc >>= 7
        while arc:
            chunk.append(0x80 | (arc & 0x7F))
            arc >>= 7
        body += bytes(reversed(chunk))
    return tlv(0x06, body)


def seq(*items, tag=0x30):
    return tlv(tag, b"".join(items))


def varbind(name, value):
    return seq(oid(name), value)


def pdu(command, request_id, varbinds, status=0, index=0):
    return seq(integer(request_id), integer(status), integer(index), seq(*varbinds), tag=command)


def read_tlv(data, at):
    """(tag, value, next offset); raises ValueError on a malformed encoding."""
    if at + 2 > len(data):
        raise ValueError("short")
    tag, size = data[at], data[at + 1]
    at += 2
    if size & 0x80:
        count = size & 0x7F
        if count == 0 or count > 4 or at + count > len(data):
            raise ValueError("length")
        size = int.from_bytes(data[at:at + count], "big")
        at += count
    if at + size > len(data):
        raise ValueError("short")
    return tag, data[at:at + size], at + size


def children(data):
    at, out = 0, []
    while at < len(data):
        tag, value, at = read_tlv(data, at)
        out.append((tag, value))
    return out


def response_pdu(message):
    """(request id, error status) of a v1/v2c response or a plaintext v3 one."""
    _, body, _ = read_tlv(message, 0)
    parts = children(body)
    if parts[0][1] == b"\x03":  # v3: the scoped PDU is the fourth part
        parts = children(parts[3][1])
        command, fields = parts[2]
    else:
        command, fields = parts[2]
    fields = children(fields)
    return (command, int.from_bytes(fields[0][1], "big", signed=True),
            int.from_bytes(fields[1][1], "big", signed=True))


# --- SNMPv3 with USM (RFC 3414, RFC 3826, RFC 7860) ---------------------------

HASHES = {"MD5": (hashlib.md5, 12), "SHA": (hashlib.sha1, 12), "SHA-256": (hashlib.sha256, 24)}
USERS = [
    ("vanta-noauth", None, None, None),
    ("vanta-md5-des", "MD5", "md5-auth-secret", None),
    ("vanta-sha-aes", "SHA", "sha-auth-secret", "aes-priv-secret"),
    ("vanta-sha256-aes", "SHA-256", "sha256-auth-secret", "aes128-priv-secret"),
]


def localized_key(hash_name, passphrase, engine_id):
    hash_function = HASHES[hash_name][0]
    data = passphrase.encode()
    stream = (data * (1048576 // len(data) + 1))[:1048576]
    ku = hash_function(stream).digest()
    return hash_function(ku + engine_id + ku).digest()


class Engine:
    """The simulator's engine id, boots and time, learnt from a Report."""

    def __init__(self, engine_id, boots, engine_time):
        self.id, self.boots, self.time, self.learnt = engine_id, boots, engine_time, time.monotonic()
        self.keys = {}
        for name, auth, auth_pass, priv_pass in USERS:
            if auth:
                self.keys[name] = (localized_key(auth, auth_pass, engine_id),
                                   localized_key(auth, priv_pass, engine_id) if priv_pass else None)

    def now(self):
        return self.time + int(time.monotonic() - self.learnt)


def security_parameters(engine_id, boots, engine_time, user, auth_params=b"", priv_params=b""):
    return seq(octets(engine_id), integer(boots), integer(engine_time), octets(user),
               octets(auth_params), octets(priv_params))


def v3_message(message_id, flags, security, scoped, max_size=65507):
    header = seq(integer(message_id), integer(max_size), octets(bytes([flags])), integer(3))
    return seq(integer(3), header, octets(security), scoped)


def v3_request(engine, user, level, the_pdu, rng, message_id=None):
    """A v3 request of `user` at `level` (0 noAuth, 1 auth, 2 authPriv)."""
    message_id = message_id if message_id is not None else rng.randrange(1, 2 ** 31)
    scoped = seq(octets(engine.id), octets(b""), the_pdu)
    name, auth = user[0], user[1]
    if level == 0 or auth is None:
        security = security_parameters(engine.id, engine.boots, engine.now(), name)
        return v3_message(message_id, 0x04, security, scoped)
    auth_key, priv_key = engine.keys[name]
    digest_size = HASHES[auth][1]
    flags = 0x05
    priv_params = b""
    if level == 2 and priv_key is not None and AES is not None:
        flags = 0x07
        priv_params = rng.randbytes(8)
        iv = struct.pack(">II", engine.boots, engine.now()) + priv_params
        scoped = octets(AES.new(priv_key[:16], AES.MODE_CFB, iv=iv, segment_size=128).encrypt(scoped))
    security = security_parameters(engine.id, engine.boots, engine.now(), name,
                                   b"\x00" * digest_size, priv_params)
    unsigned_message = v3_message(message_id, flags, security, scoped)
    mac = hmac.new(auth_key, unsigned_message, HASHES[auth][0]).digest()[:digest_size]
    # The zeroed digest is unique in the message: replace it in place.
    at = unsigned_message.index(octets(b"\x00" * digest_size))
    return (unsigned_message[:at + 2] + mac + unsigned_message[at + 2 + digest_size:])


def discover(address):
    """Engine id, boots and time of the agent at `address`, from a Report."""
    probe = v3_message(1, 0x04, security_parameters(b"", 0, 0, b""), seq(octets(b""), octets(b""),
                                                                           pdu(GET, 1, [])))
    with socket.socket(socket.AF_INET, socket.SOCK_DGRAM) as sock:
        sock.settimeout(2)
        for _ in range(3):
            sock.sendto(probe, address)
            try:
                reply = sock.recv(65535)
            except socket.timeout:
                continue
            _, body, _ = read_tlv(reply, 0)
            parts = children(body)
            security = children(read_tlv(parts[2][1], 0)[1])
            return Engine(security[0][1], int.from_bytes(security[1][1], "big"),
                          int.from_bytes(security[2][1], "big"))
    raise RuntimeError("the simulator does not answer the engine id discovery")


# --- what gets sent -------------------------------------------------------------

def interesting_number(rng):
    return rng.choice([0, 1, -1, 2, 3, 4, 5, 6, 127, 128, 255, 256, 65535, 2 ** 31 - 1, -2 ** 31,
                       2 ** 32 - 1, 2 ** 63 - 1, rng.randrange(-2 ** 40, 2 ** 40)])


def odd_value(rng):
    """A value a SET should refuse or survive: exception types, wrong lengths."""
    kind = rng.randrange(12)
    if kind == 0:
        return tlv(rng.choice([0x80, 0x81, 0x82]), b"")
    if kind == 1:
        return tlv(rng.choice([0x80, 0x81, 0x82]), rng.randbytes(rng.randrange(1, 6)))
    if kind == 2:
        return tlv(0x40, rng.randbytes(rng.choice([0, 1, 3, 5, 8, 16])))  # IpAddress
    if kind == 3:
        return tlv(0x02, rng.randbytes(rng.choice([0, 5, 8, 9, 12])))  # INTEGER
    if kind == 4:
        return tlv(rng.choice([0x41, 0x42, 0x43]), rng.randbytes(rng.choice([0, 5, 6, 9])))
    if kind == 5:
        return tlv(0x46, rng.randbytes(rng.choice([0, 9, 10, 12])))  # Counter64
    if kind == 6:
        return tlv(0x06, rng.choice([b"", b"\x80", b"\xff" * 6, rng.randbytes(200)]))
    if kind == 7:
        return tlv(0x05, rng.randbytes(rng.randrange(1, 4)))  # NULL with content
    if kind == 8:
        return octets(rng.randbytes(rng.choice([0, 1, 33, 65, 256, 1500])))
    if kind == 9:
        return tlv(rng.choice([0x01, 0x03, 0x44, 0x45, 0x47, 0x48, 0x9F, 0xA0]),
                   rng.randbytes(rng.randrange(0, 9)))
    if kind == 10:
        return integer(interesting_number(rng))
    return tlv(0x40, rng.randbytes(4))


def good_value(rng):
    return rng.choice([integer(rng.choice([1, 2, 3, 4, 5, 6])), octets("lab"),
                       tlv(0x40, bytes([127, 0, 0, 1])), octets(bytes(8)), null()])


def random_oid(rng):
    base = rng.choice(SET_TARGETS + READ_TARGETS)
    arcs = base.split(".")
    for _ in range(rng.randrange(0, 3)):
        action = rng.randrange(3)
        if action == 0 and len(arcs) > 2:
            arcs.pop()
        elif action == 1 or len(arcs) <= 2:
            arcs.append(str(rng.choice([0, 1, 2, 127, 128, 65535, 2 ** 32 - 1])))
        else:
            arcs[rng.randrange(2, len(arcs))] = str(rng.randrange(0, 300))
    return ".".join(arcs)


def random_pdu(rng):
    command = rng.choice([GET, GETNEXT, GETBULK, SET, SET, SET])
    count = rng.choice([1, 1, 2, 3, 5, 40])
    varbinds = []
    for _ in range(count):
        name = random_oid(rng)
        if command == SET:
            value = odd_value(rng) if rng.random() < 0.7 else good_value(rng)
        else:
            value = null()
        varbinds.append(varbind(name, value))
    status, index = 0, 0
    if command == GETBULK:
        status, index = rng.choice([0, 1, 2, -1]), rng.choice([0, 1, 10, 1000, 2 ** 31 - 1, -5])
    return pdu(command, rng.randrange(0, 2 ** 31), varbinds, status, index)


def unusual_pdu(rng):
    """Requests a real manager rarely sends: huge, odd PDU types."""
    kind = rng.randrange(5)
    if kind == 0:  # response larger than a datagram: tooBig
        return pdu(GET, rng.randrange(2 ** 31), [varbind(SYS_UPTIME, null())] * rng.choice([3000, 4500]))
    if kind == 1:
        return pdu(GETBULK, rng.randrange(2 ** 31), [varbind("1.3.6.1", null())] * 3, 0, 10000)
    if kind == 2:
        return pdu(rng.choice([RESPONSE, TRAP2, INFORM, REPORT, 0xA9, 0xBF]), rng.randrange(2 ** 31),
                   [varbind(SYS_UPTIME, null())])
    if kind == 3:
        return seq(oid("1.3.6.1.4.1.99917"), tlv(0x40, bytes(4)), integer(6), integer(1),
                   tlv(0x43, b"\x01"), seq(), tag=TRAP1)
    return pdu(SET, rng.randrange(2 ** 31), [varbind(rng.choice(SET_TARGETS), odd_value(rng))
                                              for _ in range(rng.randrange(1, 16))])


def mutate(data, rng):
    data = bytearray(data)
    for _ in range(rng.randrange(1, 5)):
        if not data:
            break
        action = rng.randrange(8)
        at = rng.randrange(len(data))
        if action == 0:
            data[at] ^= 1 << rng.randrange(8)
        elif action == 1:
            data[at] = rng.choice([0x00, 0x01, 0x7F, 0x80, 0x81, 0x82, 0x84, 0xFF])
        elif action == 2:
            data[at:at] = rng.randbytes(rng.randrange(1, 8))
        elif action == 3:
            del data[at:at + rng.randrange(1, 8)]
        elif action == 4:
            del data[at:]
        elif action == 5:
            end = min(len(data), at + rng.randrange(1, 32))
            data[at:at] = data[at:end]
        elif action == 6:
            data[at] = rng.choice([0x30, 0x02, 0x04, 0x05, 0x06, 0x40, 0x46, 0x80, 0x81, 0x82, 0xA3])
        else:  # a length octet of a TLV
            data[min(at | 1, len(data) - 1)] = rng.choice([0x00, 0x7F, 0x81, 0x82, 0x84, 0x89, 0xFF])
    return bytes(data)


class Traffic:
    def __init__(self, engine, rng):
        self.engine, self.rng = engine, rng
        self.levels = [0, 1] + ([2] if AES is not None else [])

    def wrap(self, the_pdu):
        rng = self.rng
        form = rng.randrange(5)
        if form == 0:
            return seq(integer(0), octets(rng.choice(["lantern", "vesper"])), the_pdu), "v1"
        if form == 1:
            return seq(integer(1), octets(rng.choice(["lantern", "vesper", "x"])), the_pdu), "v2c"
        user = rng.choice(USERS)
        level = rng.choice(self.levels) if user[1] else 0
        return v3_request(self.engine, user, level, the_pdu, rng), "v3"

    def next(self):
        rng = self.rng
        choice = rng.random()
        if choice < 0.35:
            message, form = self.wrap(random_pdu(rng))
            return message, "structured-" + form
        if choice < 0.40:
            message, form = self.wrap(unusual_pdu(rng))
            return message, "unusual-" + form
        message, form = self.wrap(random_pdu(rng))
        return mutate(message, rng), "mutated-" + form


# --- the run ---------------------------------------------------------------------

# A fixed engine id lets --replay reach the same engine with v3 datagrams
# (those of authenticated users also need the time window of 150 s).
ENGINE_ID = "8001864d05" + b"fuzz".hex()


def start_simulator(binary, stderr_file):
    process = subprocess.Popen([binary, "--listen", "127.0.0.1:0", "--engine-id", ENGINE_ID],
                               stdout=subprocess.PIPE,
                               stderr=stderr_file, stdin=subprocess.DEVNULL)
    ready, _, _ = select.select([process.stdout], [], [], 15)
    line = process.stdout.readline().decode() if ready else ""
    prefix = "vanta-sim listening on udp:"
    if not line.startswith(prefix):
        process.kill()
        process.wait()
        raise RuntimeError("vanta-sim did not start: " + repr(line))
    host, port = line[len(prefix):].strip().rsplit(":", 1)
    return process, (host, int(port))


def valid_get(sock, address, request_id, tries=3, wait=3.0):
    """Sends a v2c GET of sysUpTime.0; (answered, sends used)."""
    message = seq(integer(1), octets("vesper"), pdu(GET, request_id, [varbind(SYS_UPTIME, null())]))
    for attempt in range(1, tries + 1):
        sock.sendto(message, address)
        deadline = time.monotonic() + wait
        while (left := deadline - time.monotonic()) > 0:
            ready, _, _ = select.select([sock], [], [], left)
            if not ready:
                break
            reply = sock.recv(65535)
            try:
                command, reply_id, status = response_pdu(reply)
            except (ValueError, IndexError):
                continue
            if command == RESPONSE and reply_id == request_id and status == 0:
                return True, attempt
    return False, tries


def drain(sock):
    count = 0
    while select.select([sock], [], [], 0)[0]:
        sock.recv(65535)
        count += 1
    return count


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--sim", default=os.path.join(ROOT, "build", "tools", "sim", "vanta-sim"))
    parser.add_argument("--seconds", type=float, default=60)
    parser.add_argument("--seed", type=int, default=None)
    parser.add_argument("--batch", type=int, default=20, help="fuzz datagrams between valid GETs")
    parser.add_argument("--max-packets", type=int, default=10_000_000)
    parser.add_argument("--out", default=".", help="folder for the batch that crashed the simulator")
    parser.add_argument("--replay", help="send the datagrams of a crash file once, in order")
    args = parser.parse_args()
    seed = args.seed if args.seed is not None else int.from_bytes(os.urandom(4), "big")
    rng = random.Random(seed)

    # The simulator reads no machine configuration; its temporary state
    # folder goes to a folder of this run.
    work = tempfile.mkdtemp(prefix="vanta-fuzz-")
    os.environ["TMPDIR"] = work
    stderr_path = os.path.join(work, "vanta-sim.stderr")
    stderr_file = open(stderr_path, "wb")
    process, address = start_simulator(args.sim, stderr_file)
    print(f"fuzzing vanta-sim at {address[0]}:{address[1]} for {args.seconds:g} s, seed {seed}",
          flush=True)

    counts = {"sent": 0, "bytes": 0, "answers": 0, "valid_gets": 0, "valid_answered": 0,
              "valid_resent": 0, "crashes": 0}
    kinds = {}
    failure = None
    fuzz = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
    probe = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
    request_id = 1
    try:
        if args.replay:
            with open(args.replay) as replay:
                for line in replay:
                    fuzz.sendto(bytes.fromhex(line.strip()), address)
                    counts["sent"] += 1
                    time.sleep(0.01)
            args.seconds = 0
            answered, _ = valid_get(probe, address, request_id)
            counts["valid_gets"] += 1
            counts["valid_answered"] += int(answered)
            if process.poll() is not None:
                counts["crashes"] += 1
                failure = f"vanta-sim died (status {process.returncode})"
            elif not answered:
                failure = "the valid GET after the replay got no answer"
        traffic = Traffic(discover(address), rng) if failure is None else None
        deadline = time.monotonic() + args.seconds
        next_report = time.monotonic() + 60
        while time.monotonic() < deadline and counts["sent"] < args.max_packets:
            batch = []
            queued = 0
            while len(batch) < args.batch and queued < 150_000:
                message, kind = traffic.next()
                batch.append(message)
                queued += len(message)
                kinds[kind] = kinds.get(kind, 0) + 1
                try:
                    fuzz.sendto(message, address)
                except OSError:
                    pass  # larger than a datagram: never left
                counts["sent"] += 1
                counts["bytes"] += len(message)
            counts["answers"] += drain(fuzz)
            request_id += 1
            counts["valid_gets"] += 1
            answered, sends = valid_get(probe, address, request_id)
            counts["answers"] += drain(fuzz)
            if process.poll() is not None:
                counts["crashes"] += 1
                path = os.path.join(args.out, f"fuzz-crash-{seed}-{counts['sent']}.hex")
                with open(path, "w") as out:
                    out.write("".join(m.hex() + "\n" for m in batch))
                failure = f"vanta-sim died (status {process.returncode}); the last batch is in {path}"
                break
            counts["valid_resent"] += sends - 1
            if not answered:
                failure = f"a valid GET (request id {request_id}) got no answer"
                break
            counts["valid_answered"] += 1
            if time.monotonic() >= next_report:
                next_report += 60
                print(f"  {counts['sent']} sent, {counts['valid_answered']} valid GETs answered",
                      flush=True)
    finally:
        if process.poll() is None:
            process.send_signal(signal.SIGTERM)
            try:
                status = process.wait(timeout=20)
            except subprocess.TimeoutExpired:
                process.kill()
                status = process.wait()
            if failure is None and status != 0:
                failure = f"vanta-sim did not stop cleanly (status {status})"
        stderr_file.close()

    print(f"seed {seed}")
    for name, value in counts.items():
        print(f"{name}: {value}")
    print("by kind: " + ", ".join(f"{k} {v}" for k, v in sorted(kinds.items())))
    with open(stderr_path, "rb") as err:
        lines = err.read().decode(errors="replace").splitlines()
    print(f"vanta-sim stderr: {len(lines)} lines")
    for line in lines[-15:]:
        print("  | " + line)
    shutil.rmtree(work, ignore_errors=True)
    if failure:
        print("FAILED: " + failure)
        return 1
    print("passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
