#!/usr/bin/env bash
# The auto-mail window's whole run from "Send To List" for 10,000 listed addresses with 200 addresses per mail, to
# postfix's smtp-sink on 127.0.0.1, against `smtp-source -m 50 -r 200` making the same fifty exchanges of one
# connection each. Target: within 2 times smtp-source's wall time.
#
# usage: bench/automail.sh           (RUNS=7 MESSAGES=50 RECIPIENTS=200 by default)
exec env SMTP_CLIENT=automail bash "$(dirname "${BASH_SOURCE[0]}")/smtp.sh" "$@"
