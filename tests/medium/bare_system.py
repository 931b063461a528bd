"""Bare Debian systems for the medium's tests: made once with
`debootstrap --variant=minbase` (no X libraries, no Qt, no fonts) and kept
under build/systems/, then entered with chroot with /proc, the X server's
socket and the medium mounted for one test run."""

import os
import shutil
import subprocess
import tempfile

MIRROR = os.environ.get("DEBIAN_MIRROR", "http://deb.debian.org/debian")
# Debian 11 has glibc 2.31, the oldest the medium is for; Debian 12 has 2.36.
SYSTEMS = {"debian11": "bullseye", "debian12": "bookworm"}


def ensure(systems_dir, name):
    """The root of the bare system `name`, made now if it is not there yet."""
    root = os.path.join(systems_dir, name)
    done = os.path.join(root, ".discmenu-complete")
    if os.path.exists(done):
        return root
    shutil.rmtree(root, ignore_errors=True)
    partial = root + ".partial"
    shutil.rmtree(partial, ignore_errors=True)
    os.makedirs(systems_dir, exist_ok=True)
    subprocess.run(["debootstrap", "--variant=minbase", SYSTEMS[name], partial, MIRROR],
                   check=True, stdout=subprocess.DEVNULL)
    os.rename(partial, root)
    with open(done, "w") as f:
        f.write(SYSTEMS[name] + "\n")
    return root


class Chroot:
    """`root` entered for a while: /proc, a private /tmp holding the X
    server's socket folder, and `binds` ({path inside: host path}, read-only
    where the host path is in `read_only`) are mounted until close()."""

    def __init__(self, root, binds, read_only=()):
        self.root = root
        self.mounts = []
        self.tmp = tempfile.mkdtemp(prefix="discmenu-chroot-tmp-")
        try:
            self._mount(["-t", "proc", "proc"], "/proc")
            self._mount(["--bind", self.tmp], "/tmp")
            os.makedirs(os.path.join(self.tmp, ".X11-unix"), exist_ok=True)
            self._mount(["--bind", "/tmp/.X11-unix"], "/tmp/.X11-unix")
            for inside, host in binds.items():
                self._mount(["--bind", host], inside)
                if host in read_only:
                    self._mount(["-o", "remount,bind,ro"], inside, source=None)
        except BaseException:
            self.close()
            raise

    def _mount(self, options, inside, source=""):
        target = self.root + inside
        os.makedirs(target, exist_ok=True)
        subprocess.run(["mount", *options, target], check=True)
        if source is not None:
            self.mounts.append(target)

    def path(self, inside):
        """The host's path of `inside`, a path within the system."""
        if inside == "/tmp" or inside.startswith("/tmp/"):
            return self.tmp + inside[len("/tmp"):]
        return self.root + inside

    def command(self, args, env, cwd="/"):
        """`args` run inside, with nothing of the host's environment but `env`."""
        settings = [f"{k}={v}" for k, v in env.items()]
        return ["chroot", self.root, "/usr/bin/env", "-i", "-C", cwd,
                "PATH=/usr/local/bin:/usr/bin:/bin", "HOME=/root", *settings, *args]

    def __enter__(self):
        return self

    def __exit__(self, *_):
        self.close()

    def close(self):
        # Lazily, in reverse: a mount still busy must not keep the others,
        # and nothing may stay mounted under build/ (a later rm -rf of it
        # would reach into the host's folders).
        for target in reversed(self.mounts):
            subprocess.run(["umount", "-l", target], check=False)
        self.mounts = []
        shutil.rmtree(self.tmp, ignore_errors=True)
