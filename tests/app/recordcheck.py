#!/usr/bin/env python3
# Reads a station's record as a spreadsheet would (Python's csv module) and prints one line a row:
# result|model_name|backup kept|brake|reason. Exits 1 when the header is not the record's.
import csv, os, sys

with open(sys.argv[1], newline='', encoding='utf-8') as f:
    rows = list(csv.DictReader(f))
    f.seek(0)
    header = next(csv.reader(f))
expected = ['time', 'port', 'model_code', 'model_name', 'result', 'reason', 'backup', 'brake', 'battery', 'cutoff',
            'cutoff_action', 'soft_start', 'timing', 'frequency', 'warn_voltage', 'reverse', 'rpm_control',
            'acceleration_delay']
if header != expected:
    sys.exit('header: %s' % header)
for row in rows:
    # ISO 8601 with an offset: ...T10:15:00+01:00
    if 'T' not in row['time'] or row['time'][-6] not in '+-':
        sys.exit('time: %s' % row['time'])
    kept = 'kept' if row['backup'] and os.path.isfile(row['backup']) else 'none'
    print('|'.join([row['result'], row['model_name'], kept, row['brake'], row['reason']]))
