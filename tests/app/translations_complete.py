#!/usr/bin/env python3
# Brings copies of the shipped translations up to date from the program's sources, as lupdate does for a
# translator, and fails when any of them has a text without its translation, or a translation whose %1,
# %2 ... differ from its source's (a placeholder dropped or doubled would show a text half-filled).
#   translations_complete.py LUPDATE SOURCES_LIST TS_FILE...
import re, shutil, subprocess, sys, tempfile, xml.etree.ElementTree as ET
from collections import Counter
from pathlib import Path

lupdate, sources, shipped = sys.argv[1], sys.argv[2], sys.argv[3:]
placeholders = lambda text: Counter(re.findall(r'%\d', text or ''))
problems = []
with tempfile.TemporaryDirectory() as scratch:
    for ts in shipped:
        copy = Path(scratch) / Path(ts).name
        shutil.copy(ts, copy)
        subprocess.run([lupdate, '-silent', '-no-obsolete', '-locations', 'none', '@' + sources, '-ts', str(copy)],
                       check=True)
        for context in ET.parse(copy).getroot().iter('context'):
            for message in context.iter('message'):
                source = message.findtext('source')
                translation = message.find('translation')
                where = f'{Path(ts).name}: {context.findtext("name")}: "{source}"'
                # A text with a count (%n) has a translation for each plural form of the language.
                forms = [f.text for f in translation.iter('numerusform')] if translation is not None else []
                texts = forms if message.get('numerus') == 'yes' else [getattr(translation, 'text', None)]
                if translation is None or translation.get('type') == 'unfinished' or not all(texts):
                    problems.append(where + ' has no translation')
                elif any(placeholders(text) != placeholders(source) for text in texts):
                    problems.append(where + ' and its translation differ in their placeholders')
print('\n'.join(problems) if problems else f'{len(shipped)} translations complete')
sys.exit(1 if problems else 0)
