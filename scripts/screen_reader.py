# What scripts/screen-reader prints: the property view over AT-SPI (pyatspi), cell by cell,
# then, given a label and a value, the number's open editor and the cell after Enter.
import subprocess
import sys
import time

import pyatspi


def application(name):
    for _ in range(60):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == name:
                return app
        time.sleep(0.5)
    sys.exit("no application " + name)


def first(node, wanted, depth=0):
    if node is None or depth > 12:
        return None
    if wanted(node):
        return node
    for child in node:
        found = first(child, wanted, depth + 1)
        if found is not None:
            return found
    return None


def interface(node, query):
    try:
        return getattr(node, query)()
    except NotImplementedError:
        return None


def announced(node):
    said = "%s %r, description %r" % (node.getRoleName(), node.name, node.description)
    states = node.getState()
    said += ", states %s" % [pyatspi.stateToString(s) for s in states.getStates()
                             if s in (pyatspi.STATE_READ_ONLY, pyatspi.STATE_EDITABLE, pyatspi.STATE_CHECKED,
                                      pyatspi.STATE_EXPANDED, pyatspi.STATE_COLLAPSED)]
    text = interface(node, "queryText")
    if text:
        said += ", text %r" % text.getText(0, text.characterCount)
    value = interface(node, "queryValue")
    if value:
        said += ", value %g in %g..%g" % (value.currentValue, value.minimumValue, value.maximumValue)
    action = interface(node, "queryAction")
    if action:
        said += ", actions %s" % [action.getName(i) for i in range(action.nActions)]
    for relation in node.getRelationSet():
        said += ", %s %s" % (relation.getRelationType().value_nick,
                              [relation.getTarget(i).name for i in range(relation.getNTargets())])
    return said


def cells(tree):
    for i in range(tree.childCount):
        cell = tree.getChildAtIndex(i)
        if cell is not None and cell.getRole() in (pyatspi.ROLE_TABLE_CELL, pyatspi.ROLE_PANEL) and cell.name:
            yield cell


tree = first(application("velmaris-editor"), lambda node: node.getRole() == pyatspi.ROLE_TREE)
print("view:", announced(tree))
for cell in cells(tree):
    print("  " + announced(cell))
if len(sys.argv) == 3:
    label, number = sys.argv[1], float(sys.argv[2])
    cell = next(c for c in cells(tree) if c.name.startswith(label + ":"))
    actions = cell.queryAction()
    actions.doAction([actions.getName(i) for i in range(actions.nActions)].index("Press"))
    time.sleep(1)
    editor = cell.getChildAtIndex(0)
    print("open editor, child of %r: %s" % (editor.parent.name, announced(editor)))
    editor.queryValue().currentValue = number
    time.sleep(0.5)
    subprocess.run(["xdotool", "key", "Return"], check=True)
    time.sleep(1.5)
    print("after Enter: " + announced(next(c for c in cells(tree) if c.name.startswith(label + ":"))))
