"""What the Wine tests' modules share: where the repository is, the failure
a check raises and the list a topic's tests are registered in."""

import time
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]


class TestFailure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise TestFailure(message)


class Tests(list):
    """A topic's tests in the order they run, as (name, function) pairs;
    `@tests.add(name)` appends the function it decorates."""

    def add(self, name):
        def register(function):
            self.append((name, function))
            return function
        return register


def run_step(name, test, passed, failed):
    """Runs one test, reports it on one line and adds its name to `passed`
    or `failed`; True when it passed."""
    started = time.monotonic()
    try:
        test()
    except Exception as e:  # one test's failure, whatever it is, is reported
        failed.append(name)
        print(f"FAIL {name}: {type(e).__name__}: {e}", flush=True)
        return False
    passed.append(name)
    print(f"ok   {name} ({time.monotonic() - started:.1f} s)", flush=True)
    return True
