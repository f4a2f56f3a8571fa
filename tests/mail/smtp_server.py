"""SMTP server for the mail tests: aiosmtpd on 127.0.0.1 and a free port.

Prints the port on the first line of its output, then records every message it accepts as FOLDER/N.json
(envelope, raw message, and the message as Python's email package reads it) before it answers the final ".".
Recipients whose address starts with "refused" get a 550. Ends when its standard input closes.
Run it with /usr/bin/python3: Debian's aiosmtpd is not seen by other Python installations.
"""

import asyncio
import base64
import email
import json
import os
import sys
from email import policy

from aiosmtpd.smtp import SMTP


class Recorder:
    def __init__(self, folder):
        self.folder = folder
        self.count = 0

    async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
        if address.startswith("refused"):
            return "550 5.1.1 <%s>: Recipient address rejected" % address
        envelope.rcpt_tos.append(address)
        return "250 2.1.5 Ok"

    async def handle_DATA(self, server, session, envelope):
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


async def main(folder):
    loop = asyncio.get_running_loop()
    handler = Recorder(folder)
    server = await loop.create_server(lambda: SMTP(handler, hostname="corvella-test"), "127.0.0.1", 0)
    print(server.sockets[0].getsockname()[1], flush=True)
    await loop.run_in_executor(None, sys.stdin.read)
    server.close()
    await server.wait_closed()


if __name__ == "__main__":
    asyncio.run(main(sys.argv[1]))
