"""What the Wine tests' modules share: where the repository is, the failure
a check raises and the list a topic's tests are registered in."""

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
