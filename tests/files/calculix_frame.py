#!/usr/bin/env python3
"""Rebuilds the cases of a frame written as JSON (the `frame` object of the program's JSON,
or the whole JSON holding it) as CalculiX decks, solves each with `ccx`, and prints the
section moments at both ends of every member as JSON: {"cases": [{"name", "end_moments"}]},
end moments [at from, at to], clockwise positive on the member's end.

Usage: calculix_frame.py FRAME.json WORKDIR [ELEMENTS_PER_MEMBER]

The members are B32R beams of constant width and a depth of 0.03·t, so that EI ∝ t³ while
the beams stay practically inextensible and shear-rigid; Poisson's ratio 0. Every load
edge and point load is a node; line loads enter as consistent nodal forces of the quadratic
elements. Supports as in the JSON; the frame is held out of its plane at every node."""
import json
import math
import os
import subprocess
import sys

DEPTH_FACTOR = 0.03
WIDTH = 0.03
MODULUS = 1.0e7
# The section forces at a joint node mix the members meeting there (and through it the
# middle nodes of the end elements), so each end moment is extrapolated from the two nodes
# between three short elements next to the joint.
END_ELEMENT = 1e-3


def member_axes(joints, member):
    (x0, y0), (x1, y1) = joints[member["from"]], joints[member["to"]]
    length = math.hypot(x1 - x0, y1 - y0)
    return (x0, y0), length, (x1 - x0) / length, (y1 - y0) / length


def stations(length, loads, elements):
    """The element ends along a member: every load edge, then even subdivision so that no
    element is longer than length/elements."""
    edges = {0.0, length}
    edges.update(f * length for k in (1, 2, 3) for f in (k * END_ELEMENT, 1 - k * END_ELEMENT))
    for load in loads:
        for x in (load["a"], load.get("b", load["a"])):
            if 0 < x < length:
                edges.add(float(x))
    merged = []  # edges closer than rounding make no element
    for x in sorted(edges):
        if not merged or x - merged[-1] > 1e-9 * length:
            merged.append(x)
    merged[-1] = length
    edges = merged
    ends = [0.0]
    for x0, x1 in zip(edges, edges[1:]):
        count = max(1, math.ceil((x1 - x0) / length * elements - 1e-9))
        ends += [x0 + (x1 - x0) * k / count for k in range(1, count)] + [x1]
    return ends


def intensity(load, x):
    a, b = load["a"], load["b"]
    return load["qa"] + (load["qb"] - load["qa"]) * (x - a) / (b - a)


def write_deck(path, frame, case, elements):
    joints, members = frame["joints"], frame["members"]
    nodes = {j + 1: tuple(p) for j, p in enumerate(joints)}  # joint j is node j + 1
    forces = {}
    lines = []
    member_nodes = []
    for m, member in enumerate(members):
        (x0, y0), length, c, s = member_axes(joints, member)
        loads = [l for l in case["loads"] if l["member"] == m]
        ends = stations(length, loads, elements)
        ids = []
        for k, x in enumerate(ends):
            if k == 0:
                ids.append(member["from"] + 1)
            elif k == len(ends) - 1:
                ids.append(member["to"] + 1)
            else:
                ids.append(len(nodes) + 1)
                nodes[ids[-1]] = (x0 + c * x, y0 + s * x)
        element_nodes = []
        for k in range(len(ends) - 1):
            middle = len(nodes) + 1
            xm = (ends[k] + ends[k + 1]) / 2
            nodes[middle] = (x0 + c * xm, y0 + s * xm)
            element_nodes.append((ids[k], middle, ids[k + 1], ends[k], ends[k + 1]))
        member_nodes.append(element_nodes)
        normal = (-s, c)  # loads act to the left of the member, positive

        def push(node, q):
            fx, fy = forces.get(node, (0.0, 0.0))
            forces[node] = (fx + q * normal[0], fy + q * normal[1])

        for n0, nm, n1, xa, xb in element_nodes:
            h = xb - xa
            for load in loads:
                if "P" in load or not load["a"] < (xa + xb) / 2 < load["b"]:
                    continue
                push(n0, h / 6 * intensity(load, xa))
                push(nm, 2 * h / 3 * intensity(load, (xa + xb) / 2))
                push(n1, h / 6 * intensity(load, xb))
        for load in loads:
            if "P" in load:
                node = ids[min(range(len(ends)), key=lambda k: abs(ends[k] - load["a"]))]
                push(node, load["P"])
    with open(path, "w") as f:
        f.write("*NODE\n")
        for n, (x, y) in sorted(nodes.items()):
            f.write(f"{n},{x!r},{y!r},0\n")
        element = 0
        for m, element_nodes in enumerate(member_nodes):
            f.write(f"*ELEMENT,TYPE=B32R,ELSET=M{m}\n")
            for n0, nm, n1, _, _ in element_nodes:
                element += 1
                f.write(f"{element},{n0},{nm},{n1}\n")
        f.write(f"*MATERIAL,NAME=CONCRETE\n*ELASTIC\n{MODULUS!r},0\n")
        for m, member in enumerate(members):
            f.write(f"*BEAM SECTION,ELSET=M{m},MATERIAL=CONCRETE,SECTION=RECT\n")
            f.write(f"{WIDTH!r},{DEPTH_FACTOR * member['t']!r}\n0,0,1\n")
        f.write("*BOUNDARY\n")
        for n in sorted(nodes):
            f.write(f"{n},3,3\n")
        for support in frame["supports"]:
            n = support["joint"] + 1
            for dof, held in ((1, support["x"]), (2, support["y"]), (6, support["rotation"])):
                if held:
                    f.write(f"{n},{dof},{dof}\n")
        f.write("*STEP\n*STATIC\n*CLOAD\n")
        for n, (fx, fy) in sorted(forces.items()):
            f.write(f"{n},1,{fx!r}\n{n},2,{fy!r}\n")
        f.write("*EL FILE,SECTION FORCES,OUTPUT=2D\nS\n*END STEP\n")
    return member_nodes


# The section moment at a node about the normal of the frame's plane (tension on the
# right-hand side positive) for a beam section whose 1-axis is that normal; found on a
# fixed-fixed beam.
MOMENT = 4


def read_section_forces(path):
    """The nodal section forces of the last STRESS block of a .frd file: node -> values."""
    values, inside = {}, False
    with open(path) as f:
        for line in f:
            if line.startswith(" -4"):
                inside = line.split()[1] == "STRESS"
                values = {} if inside else values
            elif inside and line.startswith(" -1"):
                node = int(line[3:13])
                values[node] = [float(line[13 + 12 * k:25 + 12 * k]) for k in range(6)]
            elif line.startswith(" -3"):
                inside = False
    return values


def solve(frame, case, workdir, name, elements):
    deck = os.path.join(workdir, name)
    member_nodes = write_deck(deck + ".inp", frame, case, elements)
    run = subprocess.run(["ccx", name], cwd=workdir, capture_output=True, text=True)
    if run.returncode != 0:
        sys.exit(f"ccx failed on {name}:\n" + "\n".join(run.stdout.splitlines()[-12:]))
    forces = read_section_forces(deck + ".frd")
    return member_nodes, forces


def main():
    with open(sys.argv[1]) as f:
        frame = json.load(f)
    frame = frame.get("frame", frame)
    workdir = sys.argv[2]
    elements = int(sys.argv[3]) if len(sys.argv) > 3 else 200
    out = []
    for k, case in enumerate(frame["cases"]):
        member_nodes, forces = solve(frame, case, workdir, f"case{k}", elements)
        ends = []
        for element_nodes in member_nodes:
            start = [forces[element_nodes[k][2]][MOMENT] for k in (0, 1)]
            end = [forces[element_nodes[-1 - k][0]][MOMENT] for k in (0, 1)]
            ends.append([2 * start[0] - start[1], -(2 * end[0] - end[1])])
        out.append({"name": case["name"], "end_moments": ends})
    json.dump({"cases": out}, sys.stdout, ensure_ascii=False)


if __name__ == "__main__":
    main()
