"""Ending the helper processes a test started."""

import subprocess


def stop_process(process, timeout):
    """Asks a process to end, and ends it if it has not within timeout
    seconds."""
    if process.poll() is None:
        process.terminate()
    try:
        process.wait(timeout=timeout)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()
