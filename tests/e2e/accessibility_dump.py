"""Prints the simulator's widget tree, as assistive technology sees it, as JSON.

Run in the session's D-Bus environment. Output: {"found": bool, "nodes": [...]}
where each node is {"role", "name", "text", "depth"} in tree order.
"""
import json
import sys

import pyatspi


def text_of(node):
    try:
        text = node.queryText()
        return text.getText(0, text.characterCount)
    except Exception:
        return None


def main():
    app_name = sys.argv[1] if len(sys.argv) > 1 else "quorlane-simulator"
    desktop = pyatspi.Registry.getDesktop(0)
    nodes = []
    found = False

    def walk(node, depth):
        try:
            nodes.append({"role": node.getRoleName(), "name": node.name, "text": text_of(node), "depth": depth})
            count = node.childCount
        except Exception:
            return
        if nodes[-1]["role"] == "document web":
            return  # the page's own tree is not the window's
        for i in range(count):
            child = node.getChildAtIndex(i)
            if child is not None:
                walk(child, depth + 1)

    for app in desktop:
        if app is not None and app.name == app_name:
            found = True
            walk(app, 0)
    print(json.dumps({"found": found, "nodes": nodes}))


if __name__ == "__main__":
    main()
