"""What the level scripts share: the object records of a level file, the walled floor most test
rooms stand on, and writing the file as the game writes its own (3-space indents, sorted keys)."""
import json
import os


class LevelFile:
    def __init__(self):
        self.objects = []

    def add(self, name, prefab, position, components=None):
        """One object of a prefab at a position; `components` overrides members of the prefab.
        Returns the object's uuid."""
        record = {"Transform": {"position": [position[0], position[1]]}}
        for type_name, members in (components or {}).items():
            record.setdefault(type_name, {}).update(members)
        uuid = len(self.objects) + 1
        self.objects.append({"children": [], "components": record, "name": name, "prefab": prefab,
                             "uuid": uuid})
        return uuid

    def adopt(self, parent, child):
        """Makes the object of uuid `child` a child of the object of uuid `parent`; the child's
        position is then taken relative to its parent."""
        for record in self.objects:
            if record["uuid"] == parent:
                record["children"].append({"who": child})

    def add_walled_floor(self, columns, rows, tile, floor_prefab, wall_prefab):
        """A floor of columns x rows tiles centred on the origin, ringed by walls; returns the
        centre of its lower left tile."""
        left = -(columns - 1) * tile // 2
        bottom = -(rows - 1) * tile // 2
        for row in range(rows):
            for column in range(columns):
                self.add("Floor", floor_prefab, (left + column * tile, bottom + row * tile))
        for column in range(-1, columns + 1):
            self.add("Wall", wall_prefab, (left + column * tile, bottom - tile))
            self.add("Wall", wall_prefab, (left + column * tile, bottom + rows * tile))
        for row in range(rows):
            self.add("Wall", wall_prefab, (left - tile, bottom + row * tile))
            self.add("Wall", wall_prefab, (left + columns * tile, bottom + row * tile))
        return left, bottom

    def write(self, level):
        path = os.path.join(os.path.dirname(__file__), "..", "Assets", "LevelFiles", level + ".json")
        with open(path, "w", encoding="ascii") as output:
            json.dump({"level": {"objects": self.objects}}, output, indent=3, sort_keys=True,
                      separators=(",", " : "))
            output.write("\n")


def write_prefabs(prefabs):
    """Each prefab into Assets/Prefabs/ under its name without blanks, as the editor saves them."""
    folder = os.path.join(os.path.dirname(__file__), "..", "Assets", "Prefabs")
    for name, components in prefabs.items():
        path = os.path.join(folder, "".join(name.split()) + ".prefab")
        with open(path, "w", encoding="ascii", newline="\n") as output:
            json.dump({name: components}, output, indent=3, sort_keys=True, separators=(",", " : "))
            output.write("\n")
