#!/bin/sh
# Checks that a program's export table names every entry point of the download client
# class: constructors, copy, assignment, destructors, vtable and the twelve operations.
# Usage: http_socket_exports.sh OBJDUMP PROGRAM.exe
set -u
table=$("$1" -p "$2" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p')
missing=0
for name in C1Ev C1ERKS_ aSERKS_ D0Ev D1Ev 6SocketEv 7Connect 10SetTimeout 19FormatRequestHeader 11SendRequest \
  16GetRequestHeader 17GetResponseHeader 15GetResponseLine 8GetField 14GetServerState 7Receive 11CloseSocket; do
  if ! echo "$table" | grep -q "11CHttpSocket$name"; then
    echo "$2: CHttpSocket $name is not exported"
    missing=1
  fi
done
if ! echo "$table" | grep -q "_ZTV11CHttpSocket$"; then
  echo "$2: the CHttpSocket vtable is not exported"
  missing=1
fi
exit $missing
