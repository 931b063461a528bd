"""What the Wine tests' modules share: where the repository is and the
failure a check raises."""

from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]


class TestFailure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise TestFailure(message)
