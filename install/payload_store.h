// The two executables that the wizard carries inside itself, as ByteSet records in read-only
// data (laid out by payload_store.S). Only read, never copied: the install step writes each file
// straight from its record.
#pragma once

#include "host/bytes.h"

extern "C" const host::ByteSet ApplicationPayload;  // written as "Brindlowen.exe"
extern "C" const host::ByteSet UninstallerPayload;  // written as "uninst.exe"
