#!/usr/bin/python3
"""Prints, as JSON, what pefile reads from a PE file: headers, sections and
every resource (type, name, language, data). Used by the tools tests to check
the DLL writer against an independent reader."""
import json
import sys

import pefile


def main():
    path = sys.argv[1]
    with_data = "--data" in sys.argv[2:]
    pe = pefile.PE(path, fast_load=False)
    fh, oh = pe.FILE_HEADER, pe.OPTIONAL_HEADER
    report = {
        "machine": fh.Machine,
        "characteristics": fh.Characteristics,
        "sections_count": fh.NumberOfSections,
        "magic": oh.Magic,
        "entry_point": oh.AddressOfEntryPoint,
        "section_alignment": oh.SectionAlignment,
        "file_alignment": oh.FileAlignment,
        "size_of_image": oh.SizeOfImage,
        "size_of_headers": oh.SizeOfHeaders,
        "size_of_initialized_data": oh.SizeOfInitializedData,
        "subsystem": oh.Subsystem,
        "checksum": oh.CheckSum,
        "checksum_ok": pe.verify_checksum(),
        "directories": [[d.VirtualAddress, d.Size] for d in oh.DATA_DIRECTORY],
        "rva_count": oh.NumberOfRvaAndSizes,
        "file_size": len(pe.__data__),
        "sections": [
            {
                "name": s.Name.rstrip(b"\0").decode("ascii", "replace"),
                "characteristics": s.Characteristics,
                "virtual_address": s.VirtualAddress,
                "virtual_size": s.Misc_VirtualSize,
                "raw_pointer": s.PointerToRawData,
                "raw_size": s.SizeOfRawData,
            }
            for s in pe.sections
        ],
        "resources": [],
        "names_sorted": True,
        "warnings": pe.get_warnings(),
    }
    root = getattr(pe, "DIRECTORY_ENTRY_RESOURCE", None)
    for t in root.entries if root else []:
        names = []
        for n in t.directory.entries:
            name = str(n.name) if n.name is not None else None
            names.append(name)
            for lang in n.directory.entries:
                d = lang.data.struct
                item = {"type": t.id, "name": name, "lang": lang.id,
                        "rva": d.OffsetToData, "size": d.Size}
                if with_data:
                    item["data"] = pe.get_data(d.OffsetToData, d.Size).hex()
                report["resources"].append(item)
        # Named entries come first, in ordinal order of their UTF-16 names.
        named = [s for s in names if s is not None]
        if names[: len(named)] != named or named != sorted(named, key=lambda s: s.encode("utf-16-be")):
            report["names_sorted"] = False
    json.dump(report, sys.stdout)


if __name__ == "__main__":
    main()
