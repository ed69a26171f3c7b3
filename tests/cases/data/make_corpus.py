#!/usr/bin/env python3
"""Writes the corpus of damaged case-store header files (dat/qimen0.dat), each
named after its defect. Run from this folder; the files are committed."""
import struct

SLOT = 1252


def header(kind=4, slots=0, deleted=0, reuse=0, files=1):
    return struct.pack('<B3xiiBxh4x', kind, slots, deleted, reuse, files)


def record(number, name=b'\xd5\xc5\xc8\xfd', deleted=0):
    body = bytearray(SLOT)
    struct.pack_into('<iB', body, 0, number, deleted)
    body[5:5 + len(name)] = name
    struct.pack_into('<h', body, 32, 2004)
    return bytes(body)


corpus = {
    'TruncatedHeader.dat': header(slots=1)[:10],
    'EmptyFile.dat': b'',
    'NegativeSlotCount.dat': header(slots=-5) + record(0),
    'HugeSlotCount.dat': header(slots=0x7FFFFFFF) + record(0),
    'NegativeDeletedCount.dat': header(slots=1, deleted=-1) + record(0),
    'DeletedCountAboveSlots.dat': header(slots=1, deleted=7) + record(0),
    'ZeroFileCount.dat': header(slots=1, files=0) + record(0),
    'DataFileShorterThanSlots.dat': header(slots=3) + record(0) + record(1)[:600],
    'OversizedTextField.dat': header(slots=1) + record(0, name=b'x' * 12 + b'\xc7\xf3'),
    'ForeignStoreKind.dat': header(kind=2, slots=1) + record(0),
    # The header counts fewer slots than the file holds whole records.
    'SlotCountBelowRecords.dat': header(slots=1) + record(0) + record(1) + record(2),
    'UncountedLiveSlot.dat': header(slots=1) + record(0) + record(1),
    # What a killed append leaves beyond the count: tolerated.
    'KilledAppendPendingSlot.dat': header(slots=1) + record(0) + record(1, deleted=1),
    'KilledAppendCutSlot.dat': header(slots=1) + record(0) + record(1, deleted=1)[:600],
}

for name, data in corpus.items():
    with open(name, 'wb') as out:
        out.write(data)
