#!/usr/bin/env python3
"""Checks the shape of src/: each folder belongs to one library, the core uses no widgets,
no SQL text is written in the gui, and no two folders include each other, directly or round
a circle. Prints what is wrong and exits 1; silent and 0 when the layout holds."""
import os
import re
import sys

SRC = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', 'src')
INCLUDE = re.compile(r'#include\s+[<"]([^>"]+)[>"]')
WIDGETS = re.compile(r'^(QtWidgets|QtPrintSupport|QWidget|QDialog|QMainWindow|QMessageBox|'
                     r'QApplication|QAbstractItemView|QTableView|QTreeWidget|QPrinter)\b|^gui/')
SQL = re.compile(r'"\s*(select|insert\s+into|update\s+\w+\s+set|delete\s+from)\s', re.I)


def sources():
    for root, _, names in os.walk(SRC):
        for name in names:
            if name.endswith(('.h', '.cpp')):
                path = os.path.join(root, name)
                yield os.path.relpath(path, SRC).replace(os.sep, '/'), open(path, encoding='utf-8').read()


def main():
    problems = []
    edges = {}
    for path, text in sources():
        folder = os.path.dirname(path)
        if folder and not folder.startswith(('core/', 'gui/')):
            problems.append(f'{path}: outside src/core and src/gui')
        for include in INCLUDE.findall(text):
            if path.startswith('core/') and WIDGETS.search(include):
                problems.append(f'{path}: the core includes {include}')
            target = os.path.dirname(include)
            if '/' in include and target != folder and target.startswith(('core/', 'gui/')):
                edges.setdefault(folder, set()).add(target)
        if path.startswith('gui/'):
            for number, line in enumerate(text.splitlines(), 1):
                if SQL.search(line) and not line.lstrip().startswith('//'):
                    problems.append(f'{path}:{number}: SQL text in the gui')

    def reaches(start, goal):
        seen, todo = set(), [start]
        while todo:
            for nxt in edges.get(todo.pop(), ()):
                if nxt == goal:
                    return True
                if nxt not in seen:
                    seen.add(nxt)
                    todo.append(nxt)
        return False

    for folder in sorted(edges):
        for target in sorted(edges[folder]):
            if reaches(target, folder):
                problems.append(f'include circle: {folder} -> {target} -> ... -> {folder}')
            if folder.startswith('core/') and target.startswith('gui/'):
                problems.append(f'{folder} includes {target}')
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == '__main__':
    sys.exit(main())
