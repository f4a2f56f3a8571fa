"""SMTP server for the mail tests: aiosmtpd on 127.0.0.1 and a free port.

Prints the port on the first line of its output, then records every message it accepts as FOLDER/N.json
(envelope, raw message, and the message as Python's email package reads it) before it answers the final ".".
Recipients whose address starts with "refused" get a 550. Everything each connection sends (after TLS, decrypted) is
appended to FOLDER/session-N.txt as it arrives, so it is on disk before the server answers it. Ends when its standard
input closes.

Options: --login USER PASSWORD asks for a login with that account; --plain-text-login allows it without TLS;
--exclude-auth METHOD hides a login method; --starttls CERT KEY offers and requires STARTTLS; --implicit-tls CERT KEY
speaks TLS from the first byte; --pipelining announces PIPELINING; --max-recipients N answers 452 to every recipient
of a transaction after the Nth; --drop-after N drops the connection instead of answering the final "." of the
(N+1)th message, once, without recording it.
Run it with /usr/bin/python3: Debian's aiosmtpd is not seen by other Python installations.
"""

import argparse
import asyncio
import base64
import email
import json
import logging
import os
import ssl
import sys
import warnings
from email import policy

from aiosmtpd.smtp import SMTP, AuthResult, LoginPassword


def make_authenticator(user, password):
    def authenticate(server, session, envelope, mechanism, auth_data):
        ok = isinstance(auth_data, LoginPassword) and auth_data.login == user.encode() \
            and auth_data.password == password.encode()
        # handled=False lets the server send its own 535 reply line.
        return AuthResult(success=ok, handled=False, auth_data=auth_data if ok else None)
    return authenticate


def tls_context(files):
    context = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
    context.load_cert_chain(files[0], files[1])
    return context


class RecordingSMTP(SMTP):
    sessions = 0

    def __init__(self, folder, *args, **kwargs):
        super().__init__(*args, **kwargs)
        RecordingSMTP.sessions += 1
        self.transcript = os.path.join(folder, "session-%d.txt" % RecordingSMTP.sessions)
        open(self.transcript, "wb").close()

    def data_received(self, data):
        with open(self.transcript, "ab") as out:
            out.write(data)
        super().data_received(data)


class Recorder:
    def __init__(self, folder, pipelining, max_recipients, drop_after=None):
        self.folder = folder
        self.count = 0
        self.drop_after = drop_after
        self.pipelining = pipelining
        self.max_recipients = max_recipients

    async def handle_EHLO(self, server, session, envelope, hostname, responses):
        session.host_name = hostname
        if self.pipelining:
            responses.insert(1, "250-PIPELINING")
        return responses

    async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
        if address.startswith("refused"):
            return "550 5.1.1 <%s>: Recipient address rejected" % address
        if self.max_recipients and len(envelope.rcpt_tos) >= self.max_recipients:
            return "452 4.5.3 Error: too many recipients"
        envelope.rcpt_tos.append(address)
        return "250 2.1.5 Ok"

    async def handle_DATA(self, server, session, envelope):
        if self.drop_after is not None and self.count == self.drop_after:
            self.drop_after = None
            server.transport.abort()
            return "421 4.3.0 dropped"  # goes nowhere: the connection is gone
        raw = envelope.content
        message = email.message_from_bytes(raw, policy=policy.default)
        parts = []
        for part in message.walk():
            if part.is_multipart():
                continue
            entry = {
                "content_type": part.get_content_type(),
                "charset": part.get_content_charset() or "",
                "transfer_encoding": part.get("Content-Transfer-Encoding", ""),
                "filename": part.get_filename() or "",
            }
            if part.get_content_maintype() == "text" and not entry["filename"]:
                entry["text"] = part.get_content().replace("\r\n", "\n")
            else:
                entry["payload"] = base64.b64encode(part.get_payload(decode=True) or b"").decode("ascii")
            parts.append(entry)
        record = {
            "helo": session.host_name or "",
            "extended": bool(session.extended_smtp),
            # Asked of the connection itself: aiosmtpd's session knows only of STARTTLS.
            "tls": server.transport.get_extra_info("ssl_object") is not None,
            "login": session.auth_data.login.decode() if isinstance(session.auth_data, LoginPassword) else "",
            "mail_from": envelope.mail_from,
            "rcpt_tos": envelope.rcpt_tos,
            "raw": raw.decode("latin-1"),
            "subject": str(message.get("Subject", "")),
            "from": str(message.get("From", "")),
            "to": str(message.get("To", "")),
            "cc": str(message.get("CC", "")),
            "defects": [type(d).__name__ for p in message.walk() for d in p.defects],
            "parts": parts,
        }
        self.count += 1
        path = os.path.join(self.folder, "%d.json" % self.count)
        with open(path + ".part", "w", encoding="utf-8") as out:
            json.dump(record, out, ensure_ascii=False)
        os.replace(path + ".part", path)
        return "250 2.0.0 Ok: queued"


async def main(options):
    loop = asyncio.get_running_loop()
    handler = Recorder(options.folder, options.pipelining, options.max_recipients, options.drop_after)
    settings = {"hostname": "corvella-test"}
    if options.login:
        settings["authenticator"] = make_authenticator(*options.login)
        settings["auth_required"] = True
        settings["auth_require_tls"] = not options.plain_text_login
        settings["auth_exclude_mechanism"] = options.exclude_auth
    if options.starttls:
        settings["tls_context"] = tls_context(options.starttls)
        settings["require_starttls"] = True
    implicit = tls_context(options.implicit_tls) if options.implicit_tls else None
    if implicit:
        # aiosmtpd counts only STARTTLS as encryption; here the whole connection is.
        settings["auth_require_tls"] = False
    server = await loop.create_server(lambda: RecordingSMTP(options.folder, handler, **settings), "127.0.0.1", 0, ssl=implicit)
    print(server.sockets[0].getsockname()[1], flush=True)
    await loop.run_in_executor(None, sys.stdin.read)
    server.close()
    await server.wait_closed()


if __name__ == "__main__":
    # A login without TLS is what some tests ask for on purpose; the server's warnings about it are noise there.
    warnings.simplefilter("ignore", UserWarning)
    logging.getLogger("mail.log").setLevel(logging.ERROR)
    parser = argparse.ArgumentParser()
    parser.add_argument("folder")
    parser.add_argument("--login", nargs=2)
    parser.add_argument("--plain-text-login", action="store_true")
    parser.add_argument("--exclude-auth", action="append", default=[])
    parser.add_argument("--starttls", nargs=2)
    parser.add_argument("--implicit-tls", nargs=2)
    parser.add_argument("--pipelining", action="store_true")
    parser.add_argument("--max-recipients", type=int, default=0)
    parser.add_argument("--drop-after", type=int)
    asyncio.run(main(parser.parse_args()))
