import java.io.IOException;

/** An answer (-1 unanswered, 0 the first choice ...) or a choice: an i32. */
public class IntField extends Field
{
    protected int value;

    public IntField(String name, int attr, int lastVersion)
    {
        super(name, attr, lastVersion);
    }

    public int getInt()
    {
        return value;
    }

    public int kind()
    {
        return KIND_INT;
    }

    public void readValue(LEDataInputStream instrm) throws IOException
    {
        value = instrm.readInt();
    }

    public String toJson()
    {
        return Integer.toString(value);
    }
}
