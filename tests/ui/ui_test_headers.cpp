// Only builds the UI tests' shared precompiled headers.
