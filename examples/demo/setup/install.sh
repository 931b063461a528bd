#!/bin/sh
# Aurora Studio 5 - demo installer.
#
# This disc is a demonstration: the "installer" copies nothing. It only tells
# the user what a real installation would do, in a dialog when one is
# available and on standard output otherwise.

title="Aurora Studio 5 Setup"
message="Welcome to Aurora Studio 5!

A real installer would now copy Aurora Studio to your computer.
This is a demonstration disc, so nothing has been installed or changed."

. "$(dirname "$0")/show.sh"
show 360
exit 0
