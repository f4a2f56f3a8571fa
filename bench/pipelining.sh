#!/usr/bin/env bash
# The auto-mail window's whole run for 10,000 listed addresses, 200 per mail, logged in so the session is an EHLO one
# and each batch's envelope goes pipelined, to postfix's smtp-sink (which announces PIPELINING) on 127.0.0.1, against
# `smtp-source -m 50 -r 200` in the same run. Target: faster than smtp-source (ratio below 1).
#
# usage: bench/pipelining.sh         (RUNS=7 MESSAGES=50 RECIPIENTS=200 by default)
exec env SMTP_CLIENT=automail-pipelining bash "$(dirname "${BASH_SOURCE[0]}")/smtp.sh" "$@"
