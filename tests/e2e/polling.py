"""Waiting for something to happen, with short sleeps and a time limit."""

import time


def wait_until(predicate, timeout, interval=0.02):
    """Polls predicate until it returns a true value or timeout seconds pass;
    returns the last value."""
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value or time.monotonic() >= deadline:
            return value
        time.sleep(interval)
