# Writes QM.sha256 beside a compiled translation: Qt reads a .qm without checking it, so the
# game compares this sum before it hands the file to Qt.
file(SHA256 "${QM}" sum)
file(WRITE "${QM}.sha256" "${sum}\n")
