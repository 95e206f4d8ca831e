// The object the shared test header is compiled for.
