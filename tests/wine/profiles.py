"""What each launch-name key must connect to, written out for the Wine tests
from the list of profiles (not from the launcher's own table). Host letters
stand for the build's LAUNCHER_HOST_A .. LAUNCHER_HOST_E."""

import os

# key, caption, alias, host letter, port
PROFILES = [
    ("KALVORA_8", "КАЛВОРА 8", "KALVORA8", "A", "3395"),
    ("KALVORA_8_Online", "КАЛВОРА 8 Онлайн", "KALVORA8", "A", "43399"),
    ("KALVORA_8_Base", "КАЛВОРА 8 Базовая", "KALVORA8", "A", "43398"),
    ("KALVORA_8_", "КАЛВОРА 8 Онлайн", "KALVORA8", "A", "3397"),
    ("KALVORA_TRV", "КАЛВОРА ТРВ 2016", "КАЛВОРА ТРВ2020", "B", "3395"),
    ("KALVORA_TRV_Online", "КАЛВОРА ТРВ Онлайн", "КАЛВОРА ТРВ2020", "C", "43398"),
    ("KALVORA_JV", "КАЛВОРА ЙЖ", "KALVORA_JV", "D", "3395"),
    ("KALVORA_JV_Free", "КАЛВОРА ЙЖ Онлайн", "KALVORA_JV", "D", "43399"),
    ("KALVORA_JV_Online", "КАЛВОРА ЙЖ Онлайн", "KALVORA_JV", "E", "3397"),
    ("KALVORA_LOM_JW", "КАЛВОРА ЛОМ", "LOM_JW", "A", "3395"),
    ("KALVORA_LOM_JW_Online", "КАЛВОРА ЛОМ Онлайн", "LOM_JW", "A", "43399"),
    ("KALVORA_LOM_QV", "КАЛВОРА ЛОМ ЙЖ", "LOM_QV", "D", "3395"),
    ("KALVORA_LOM_VY", "КАЛВОРА ЛОМ ЮЖ", "LOM_VY", "B", "3395"),
]


def host(letter):
    return os.environ["LAUNCHER_HOST_" + letter]


FIXTURE = os.path.join(os.path.dirname(__file__), "..", "unit", "fixtures",
                       "latin_alias.rdp")


def expected_file(alias, host_name, port):
    """The connection file's bytes: the fixture with this profile's values
    in the lines that carry them."""
    lines = open(FIXTURE, "rb").read().split(b"\r\n")
    assert lines[-1] == b"" and len(lines) == 57
    values = {13: b"server port:i:" + port.encode(),
              20: b"full address:s:" + host_name.encode(),
              21: b"alternate shell:s:||" + alias.encode("cp1251"),
              22: b"remoteapplicationprogram:s:||" + alias.encode("cp1251"),
              24: b"remoteapplicationname:s:" + alias.encode("cp1251")}
    for index, line in values.items():
        lines[index] = line
    return b"\r\n".join(lines)
