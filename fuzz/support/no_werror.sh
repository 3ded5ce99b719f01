#!/bin/sh
# Compiler launcher of the fuzz build: clang's own warnings stay warnings there (the
# warning flags of the build are tuned for g++).
exec "$@" -Wno-error -Wno-unknown-warning-option
