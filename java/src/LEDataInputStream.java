import java.io.DataInputStream;
import java.io.EOFException;
import java.io.IOException;
import java.io.InputStream;

/** Reads the little-endian integers and doubles of the stored form data. */
public class LEDataInputStream
{
    private final DataInputStream in;
    private long position;

    public LEDataInputStream(InputStream in)
    {
        this.in = new DataInputStream(in);
    }

    /** Bytes read so far. */
    public long position()
    {
        return position;
    }

    /** Whether every byte has been read (the stream must support mark). */
    public boolean atEnd() throws IOException
    {
        if (!in.markSupported())
            throw new IOException("cannot look ahead in this stream");
        in.mark(1);
        int b = in.read();
        if (b < 0)
            return true;
        in.reset();
        return false;
    }

    public int readUnsignedByte() throws IOException
    {
        int b = in.read();
        if (b < 0)
            throw new EOFException("unexpected end of data at byte " + position);
        position++;
        return b;
    }

    public int readInt() throws IOException
    {
        int b0 = readUnsignedByte(), b1 = readUnsignedByte(), b2 = readUnsignedByte(), b3 = readUnsignedByte();
        return b0 | b1 << 8 | b2 << 16 | b3 << 24;
    }

    /** A u32 as a non-negative long. */
    public long readUnsignedInt() throws IOException
    {
        return readInt() & 0xFFFFFFFFL;
    }

    public long readLong() throws IOException
    {
        long lo = readUnsignedInt();
        long hi = readUnsignedInt();
        return lo | hi << 32;
    }

    public double readDouble() throws IOException
    {
        return Double.longBitsToDouble(readLong());
    }

    public byte[] readBytes(long count) throws IOException
    {
        if (count < 0 || count > Integer.MAX_VALUE - 8)
            throw new IOException("impossible length " + count + " at byte " + position);
        byte[] bytes = new byte[(int) count];
        try {
            in.readFully(bytes);
        } catch (EOFException e) {
            throw new EOFException("unexpected end of data at byte " + position);
        }
        position += count;
        return bytes;
    }
}
