"""SMTP server for bench/automail.sh: takes every message, and answers 550 to each recipient whose address begins
with "refused" (1 % of the benchmark's list; none of the names smtp-source makes, since smtp-source gives up at the
first refusal). Prints its port on 127.0.0.1, then counts on standard error when its standard input closes. Plain
HELO dialogue, no extensions."""

import asyncio
import sys

counts = {"accepted": 0, "refused": 0, "messages": 0}


def refused(line):
    return line[line.find(b"<") + 1:].startswith(b"refused")


async def session(reader, writer):
    try:
        await dialogue(reader, writer)
    except ConnectionError:
        pass  # a client that ends without QUIT
    writer.close()


async def dialogue(reader, writer):
    writer.write(b"220 bench ready\r\n")
    while True:
        line = await reader.readline()
        if not line:
            break
        command = line[:4].upper()
        if command == b"RCPT":
            if refused(line):
                counts["refused"] += 1
                writer.write(b"550 5.1.1 Recipient address rejected\r\n")
            else:
                counts["accepted"] += 1
                writer.write(b"250 2.1.5 Ok\r\n")
        elif command == b"DATA":
            writer.write(b"354 End data with <CR><LF>.<CR><LF>\r\n")
            while True:
                data = await reader.readline()
                if not data or data == b".\r\n":
                    break
            counts["messages"] += 1
            writer.write(b"250 2.0.0 Ok: queued\r\n")
        elif command == b"QUIT":
            writer.write(b"221 2.0.0 Bye\r\n")
            break
        else:
            writer.write(b"250 bench\r\n")
    await writer.drain()


async def main():
    server = await asyncio.start_server(session, "127.0.0.1", 0)
    print(server.sockets[0].getsockname()[1], flush=True)
    await asyncio.get_running_loop().run_in_executor(None, sys.stdin.read)
    server.close()
    print("accepted %(accepted)d refused %(refused)d messages %(messages)d" % counts, file=sys.stderr)


asyncio.run(main())
